#include "app/Application.h"

#include "app/ErrorBox.h"

#include <QtGlobal>

#include <exception>

KyvadloApplication::KyvadloApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool KyvadloApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        Report(FailureMessage(failure));
    }
    return true;
}

void KyvadloApplication::Report(const QString& message) const
{
    if (failureReport_)
        failureReport_(message);
    else
        qWarning("%s", qUtf8Printable(message));
}
