#include "description/FigureDescription.h"

#include <cmath>

namespace description {

namespace {

// -1, 0 or 1.
int SignOf(double value)
{
    return (value > 0.0) - (value < 0.0);
}

// Where the centre of mass lies, from the angle as it is told (so that a
// told 0° is straight below) and the side the bar is drawn to.
std::string Position(double toldDegrees, int barLength)
{
    if (barLength == 0)
        return "těžiště v bodě závěsu";
    // The angle within -180 .. 180: the body is drawn at L·sin to the right
    // and L·cos downwards of the pivot.
    double angle = std::fmod(toldDegrees, 360.0);
    if (angle > 180.0)
        angle -= 360.0;
    else if (angle <= -180.0)
        angle += 360.0;
    const int bar = SignOf(barLength);
    const int right = bar * SignOf(angle == 180.0 ? 0.0 : angle);
    const double across = std::fabs(angle);
    const int below = bar * (across < 90.0 ? 1 : across == 90.0 ? 0 : -1);

    std::string text = "těžiště ";
    if (right == 0) {
        text += below > 0 ? "přímo pod bodem závěsu" : "přímo nad bodem závěsu";
        return text;
    }
    text += right > 0 ? "vpravo " : "vlevo ";
    if (below == 0)
        text += "ve výšce bodu závěsu";
    else
        text += below > 0 ? "pod bodem závěsu" : "nad bodem závěsu";
    return text;
}

} // namespace

std::string DescribeFigure(double degrees, int barLength, const NumberStyle& style)
{
    // Beyond 10^15 a double has no tenths to round away.
    const double told = std::fabs(degrees) < 1e15 ? std::nearbyint(degrees * 10.0) / 10.0 : degrees;
    std::string text = "Výchylka ";
    text += Decimal(told, 1, style);
    text += "°, ";
    text += Position(told, barLength);
    text += '.';
    return text;
}

std::string DescribeEmptyFigure()
{
    return "Zatím prázdný obrázek; kyvadlo se ukáže po stisku tlačítka Start.";
}

} // namespace description
