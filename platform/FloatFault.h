#pragma once

// The floating-point faults the program reports, and the one place that turns
// them into the exceptions the user sees.
namespace platform {

enum class FloatFault {
    DivisionByZero,   // FloatDivisionByZero: "Floating point division by zero"
    InvalidOperation, // InvalidFloatOperation: "Invalid floating point operation"
    Overflow,         // FloatOverflow: "Floating point overflow"
};

// Throws the exception of the fault.
[[noreturn]] void RaiseFloatFault(FloatFault fault);

} // namespace platform
