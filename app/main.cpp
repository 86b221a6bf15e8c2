// Kyvadlo: a simulator of a physical (compound) pendulum with one window.
#include "app/Application.h"
#include "app/ProgramIcon.h"
#include "app/Unit1.h"
#include "platform/qt/QtColors.h"
#include "platform/qt/QtTextBackend.h"
#include "platform/qt/RunLoop.h"

int main(int argc, char** argv)
{
    KyvadloApplication application(argc, argv);
    platform::qt::FollowApplicationPalette();
    const platform::qt::EngineTextBackend text;
    // Desktops match the window with its menu entry, and so show its icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(KYVADLO_APP_ID));
    // The windows' own icon (on X11 their _NET_WM_ICON), which taskbars show
    // also where they do not match the window with its menu entry.
    QApplication::setWindowIcon(ProgramIcon());
    platform::SystemRunLoop runLoop;
    TForm1 form(runLoop);
    application.SetFailureReport([&form](const QString& message) { form.ShowFailure(message); });
    form.show();
    const int exitCode = QApplication::exec();
    // The window goes before the application object: nothing may report to it then.
    application.SetFailureReport({});
    return exitCode;
}
