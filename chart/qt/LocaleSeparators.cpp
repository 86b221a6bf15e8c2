#include "chart/qt/LocaleSeparators.h"

#include "platform/qt/QtText.h"

#include <QLocale>

TNumberSeparators NumberSeparatorsOf(const QLocale& locale)
{
    TNumberSeparators result;
    result.decimal = platform::qt::DecimalSeparatorOf(locale);
    if (const QString thousands = locale.groupSeparator(); thousands.size() == 1)
        result.thousands = platform::qt::ToUtf8(thousands);
    return result;
}
