#pragma once

#include <QFont>
#include <QString>

// The fonts of the main window. The layout asks for a bitmap sans face of 11
// pixels and a symbol face for the Greek phi; where those are not installed,
// the closest installed faces stand in.
namespace window_fonts {

// The pixel height of every font of the window (8 points at 96 pixels per inch).
inline constexpr int PixelHeight = 11;

// The window's font: the first installed of the faces the layout's face
// resembles most, regular, 11 pixels.
QFont WindowFont();

// The text of the label beside the start angle and the font it is shown in:
// "j0" in a symbol face where one is installed (the face draws "j" as phi),
// else the Greek letter phi and "0" in the window's font.
struct LabelFace {
    QString text;
    QFont font;
    // What the label shows, as Unicode text: the phi and "0" whatever the
    // face draws them from; what a screen reader reads.
    QString spoken;
};
LabelFace PhiLabel(const QFont& windowFont);

} // namespace window_fonts
