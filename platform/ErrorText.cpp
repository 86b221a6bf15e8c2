#include "platform/ErrorText.h"

namespace platform {

QString ErrorBoxText(const QString& message)
{
    if (message.isEmpty() || message.back().unicode() <= u'.')
        return message;
    return message + u'.';
}

QString ApplicationTitle(const QString& executablePath)
{
    const QString fileName = executablePath.mid(executablePath.lastIndexOf(u'/') + 1);
    const QString stem = fileName.left(fileName.indexOf(u'.'));
    if (stem.isEmpty())
        return stem;
    return stem.front() + stem.mid(1).toLower();
}

} // namespace platform
