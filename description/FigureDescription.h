#pragma once

#include "description/CzechNumbers.h"

#include <string>

namespace description {

// The accessible name of the image with the swinging pendulum.
inline constexpr const char* FigureName = "Kyvadlo";

// The pendulum as the figure draws it: the angle in degrees to a tenth and
// where the centre of mass lies from the pivot, for a bar of barLength pixels
// (negative: drawn from the pivot the other way). For example
// "Výchylka −9,8°, těžiště vlevo pod bodem závěsu."
std::string DescribeFigure(double degrees, int barLength, const NumberStyle& style);

// The figure before anything was drawn into it.
std::string DescribeEmptyFigure();

} // namespace description
