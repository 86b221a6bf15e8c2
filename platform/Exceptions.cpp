#include "platform/Exceptions.h"

#include "platform/FloatFault.h"

#include <utility>

KyvadloError::KyvadloError(QString message)
    : message_(std::move(message))
    , utf8_(message_.toStdString())
{
}

ConversionError::ConversionError(const QString& text)
    : KyvadloError(QStringLiteral("'%1' is not a valid floating point value").arg(text))
{
}

FloatDivisionByZero::FloatDivisionByZero()
    : KyvadloError(QStringLiteral("Floating point division by zero"))
{
}

InvalidFloatOperation::InvalidFloatOperation()
    : KyvadloError(QStringLiteral("Invalid floating point operation"))
{
}

FloatOverflow::FloatOverflow()
    : KyvadloError(QStringLiteral("Floating point overflow"))
{
}

ListIndexError::ListIndexError(long long index)
    : KyvadloError(QStringLiteral("List index out of bounds (%1)").arg(index))
{
}

namespace platform {

void RaiseFloatFault(FloatFault fault)
{
    switch (fault) {
    case FloatFault::DivisionByZero:
        throw FloatDivisionByZero();
    case FloatFault::InvalidOperation:
        throw InvalidFloatOperation();
    case FloatFault::Overflow:
        break;
    }
    throw FloatOverflow();
}

} // namespace platform
