// The floating-point faults where the engine is built without the
// application's exception classes: standard exceptions with the same texts.
#include "platform/FloatFault.h"

#include <stdexcept>

namespace platform {

void RaiseFloatFault(FloatFault fault)
{
    switch (fault) {
    case FloatFault::DivisionByZero:
        throw std::domain_error("Floating point division by zero");
    case FloatFault::InvalidOperation:
        throw std::domain_error("Invalid floating point operation");
    case FloatFault::Overflow:
        break;
    }
    throw std::overflow_error("Floating point overflow");
}

} // namespace platform
