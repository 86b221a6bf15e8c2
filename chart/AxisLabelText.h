#pragma once

#include <string>
#include <string_view>
#include <vector>

class TChartCanvas3D;

// Label texts may run over several lines. LabelsMultiLine breaks them with a
// carriage return; a label handler may also use line feeds.
inline constexpr char labelLineBreak = '\r';

// The lines of a label text, cut at CR, LF or CR LF. An empty text is one empty line.
std::vector<std::string> LabelLines(std::string_view text);

// The width of the widest line of the text in the canvas font.
int WidestLineWidth(const TChartCanvas3D& canvas, const std::string& text);
