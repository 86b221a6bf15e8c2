#include "app/WindowFonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

namespace window_fonts {

namespace {

// The layout's face first, then faces of the same plain sans design.
QStringList SansFaces()
{
    return {QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
            QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")};
}

QString SymbolFace()
{
    return QStringLiteral("Symbol");
}

bool IsInstalledSymbolFace(const QString& family)
{
    return QFontDatabase::hasFamily(family)
           && QFontDatabase::writingSystems(family).contains(QFontDatabase::Symbol);
}

} // namespace

QFont WindowFont()
{
    const QStringList faces = SansFaces();
    QFont font;
    font.setFamilies(faces);
    for (const QString& face : faces) {
        if (QFontDatabase::hasFamily(face)) {
            font.setFamily(face);
            break;
        }
    }
    font.setPixelSize(PixelHeight);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

LabelFace PhiLabel(const QFont& windowFont)
{
    // The symbol face's "j" is the open phi.
    const QChar openPhi(0x03D5);
    if (IsInstalledSymbolFace(SymbolFace())) {
        QFont symbol(SymbolFace());
        symbol.setPixelSize(PixelHeight);
        return {QStringLiteral("j0"), symbol, QString(openPhi) + u'0'};
    }
    // The closed form stands in where the window's face lacks the open phi.
    const QChar phi(0x03C6);
    const QChar letter = QFontMetrics(windowFont).inFont(openPhi) ? openPhi : phi;
    const QString text = QString(letter) + u'0';
    return {text, windowFont, text};
}

} // namespace window_fonts
