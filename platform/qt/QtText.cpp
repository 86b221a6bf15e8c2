#include "platform/qt/QtText.h"

#include <QLocale>

namespace platform::qt {

std::string DecimalSeparatorOf(const QLocale& locale)
{
    const QString separator = locale.decimalPoint();
    return separator.size() == 1 ? ToUtf8(separator) : std::string(".");
}

QString ApplicationTitle(const QString& executablePath)
{
    const QString fileName = executablePath.mid(executablePath.lastIndexOf(u'/') + 1);
    const QString stem = fileName.left(fileName.indexOf(u'.'));
    if (stem.isEmpty())
        return stem;
    return stem.front() + stem.mid(1).toLower();
}

} // namespace platform::qt
