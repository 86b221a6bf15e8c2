#include "platform/Exceptions.h"

#include "platform/FloatFault.h"

#include <utility>

KyvadloError::KyvadloError(std::string message)
    : message_(std::move(message))
{
}

ConversionError::ConversionError(const std::string& text)
    : KyvadloError("'" + text + "' is not a valid floating point value")
{
}

FloatDivisionByZero::FloatDivisionByZero()
    : KyvadloError("Floating point division by zero")
{
}

InvalidFloatOperation::InvalidFloatOperation()
    : KyvadloError("Invalid floating point operation")
{
}

FloatOverflow::FloatOverflow()
    : KyvadloError("Floating point overflow")
{
}

ListIndexError::ListIndexError(long long index)
    : KyvadloError("List index out of bounds (" + std::to_string(index) + ")")
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
