#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

class TChartCanvas3D;

// Label texts may run over several lines. LabelsMultiLine breaks them with a
// carriage return; a label handler may also use line feeds.
inline constexpr QChar labelLineBreak = QChar(13);

// The lines of a label text, cut at CR, LF or CR LF. An empty text is one empty line.
QStringList LabelLines(const QString& text);

// The width of the widest line of the text in the canvas font.
int WidestLineWidth(const TChartCanvas3D& canvas, const QString& text);
