#include "app/ErrorBox.h"

#include "app/WindowFonts.h"
#include "platform/ErrorText.h"
#include "platform/Exceptions.h"
#include "platform/qt/QtText.h"

#include <QCoreApplication>
#include <QMessageBox>

void ErrorBox::ShowFailure(const QString& message)
{
    const QString caption = platform::qt::ApplicationTitle(QCoreApplication::applicationFilePath());
    Present(caption, platform::qt::ToQString(platform::ErrorBoxText(platform::qt::ToUtf8(message))));
}

QString FailureMessage(const std::exception& failure)
{
    if (const auto* own = dynamic_cast<const KyvadloError*>(&failure))
        return platform::qt::ToQString(own->Message());
    return QString::fromUtf8(failure.what());
}

MessageErrorBox::MessageErrorBox(QWidget* owner)
    : owner_(owner)
{
}

void MessageErrorBox::Present(const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, owner_.data());
    box.setObjectName(QStringLiteral("ErrorBox"));
    // A dialog takes the application's font, not its owner's, and that is
    // whatever the system's default resolves to: the window's face instead.
    box.setFont(window_fonts::WindowFont());
    box.exec();
}
