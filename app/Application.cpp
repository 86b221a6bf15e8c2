#include "app/Application.h"

#include "platform/Exceptions.h"

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
    } catch (const KyvadloError& failure) {
        Report(failure.message());
    } catch (const std::exception& failure) {
        Report(QString::fromUtf8(failure.what()));
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
