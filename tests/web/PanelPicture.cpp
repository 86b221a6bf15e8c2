// Writes the desktop's equations panel as a PNG, for the browser test that
// compares the page's panel with it: the window's panel widget grabbed at a
// device pixel ratio (given to Qt as its scale factor).
//   panel-picture RATIO FILE.png
#include "embedded/EquationsPicture.h"
#include "embedded/qt/OleContainer.h"
#include "platform/qt/QtColors.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s RATIO FILE.png\n", argv[0]);
        return 2;
    }
    const double ratio = std::strtod(argv[1], nullptr);
    if (!(ratio > 0.0)) {
        std::fprintf(stderr, "%s: the ratio must be a positive number, not \"%s\"\n", argv[0], argv[1]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", QByteArray::number(ratio));
    QApplication application(argc, argv);
    platform::qt::FollowApplicationPalette();

    TOleContainer panel;
    panel.resize(161, 169);
    panel.SetColor(clWhite);
    panel.SetPicture(EquationsPicture());
    const QImage picture = panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (!picture.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
