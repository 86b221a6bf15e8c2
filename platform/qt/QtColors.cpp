#include "platform/qt/QtColors.h"

#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <QPalette>

namespace {

// Hands the application's palette over again when it changes.
class PaletteFollower : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == QGuiApplication::instance() && event->type() == QEvent::ApplicationPaletteChange)
            platform::SetSystemPalette(platform::qt::SystemPaletteOf(QGuiApplication::palette()));
        return QObject::eventFilter(watched, event);
    }
};

std::uint32_t Rgb(const QPalette& palette, QPalette::ColorRole role)
{
    return palette.color(QPalette::Active, role).rgb() & 0xFFFFFFu;
}

} // namespace

QColor ToQColor(TColor color)
{
    return QColor(ToRgb(color));
}

TColor FromQColor(const QColor& color)
{
    return RgbColor(color.red(), color.green(), color.blue());
}

namespace platform::qt {

SystemPalette SystemPaletteOf(const QPalette& palette)
{
    SystemPalette colors;
    colors.window = Rgb(palette, QPalette::Base);
    colors.windowText = Rgb(palette, QPalette::WindowText);
    colors.highlight = Rgb(palette, QPalette::Highlight);
    colors.highlightText = Rgb(palette, QPalette::HighlightedText);
    colors.buttonFace = Rgb(palette, QPalette::Button);
    colors.buttonShadow = Rgb(palette, QPalette::Dark);
    colors.buttonText = Rgb(palette, QPalette::ButtonText);
    colors.buttonHighlight = Rgb(palette, QPalette::Light);
    colors.darkShadow = Rgb(palette, QPalette::Shadow);
    colors.light3D = Rgb(palette, QPalette::Midlight);
    colors.background = Rgb(palette, QPalette::Window);
    return colors;
}

void FollowApplicationPalette()
{
    QCoreApplication* application = QGuiApplication::instance();
    if (application == nullptr) {
        SetSystemPalette(SystemPaletteOf(QPalette()));
        return;
    }
    SetSystemPalette(SystemPaletteOf(QGuiApplication::palette()));
    // The follower is found by its name: without a meta-object of its own,
    // a search by type would take any child of the application for it.
    const QString name = QStringLiteral("kyvadlo-palette-follower");
    if (application->findChild<QObject*>(name, Qt::FindDirectChildrenOnly) != nullptr)
        return;
    // The application owns the follower, so it lives as long as the palette does.
    auto* follower = new PaletteFollower(application);
    follower->setObjectName(name);
    application->installEventFilter(follower);
}

} // namespace platform::qt
