#pragma once

#include <cmath>
#include <optional>
#include <string>
#include <utility>

namespace model {

// A figure of the summary: a finite value, or "n/a" with the reason why
// there is none.
struct Measure {
    std::optional<double> value;
    std::string reason;

    static Measure Of(double value)
    {
        if (!std::isfinite(value))
            return NotAvailable("the value does not fit a double");
        return {value, {}};
    }
    static Measure NotAvailable(std::string reason) { return {std::nullopt, std::move(reason)}; }
};

} // namespace model
