#include "platform/ExtendedRange.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

namespace {

// The number of decimal digits of the overflow threshold.
constexpr long long thresholdOrder = 4933;

// The decimal digits of the threshold (2^65 - 1) x 2^16319, worked out
// once in base 10^9 by multiplying by 2^29 at a time.
std::string ThresholdDigits()
{
    constexpr std::uint64_t base = 1'000'000'000;
    // 2^65 - 1 = 36'893488147'419103231, the lowest limb first.
    std::vector<std::uint64_t> limbs{419103231, 893488147, 36};
    for (int remaining = 16319; remaining > 0;) {
        const int bits = std::min(remaining, 29);
        remaining -= bits;
        std::uint64_t carry = 0;
        for (std::uint64_t& limb : limbs) {
            const std::uint64_t product = (limb << bits) + carry;
            limb = product % base;
            carry = product / base;
        }
        if (carry != 0)
            limbs.push_back(carry);
    }
    std::string digits = std::to_string(limbs.back());
    for (auto limb = limbs.rbegin() + 1; limb != limbs.rend(); ++limb) {
        const std::string part = std::to_string(*limb);
        digits += std::string(9 - part.size(), '0') + part;
    }
    return digits;
}

} // namespace

bool ExceedsExtendedRange(std::string_view digits, long long exponent)
{
    if (digits.empty())
        return false;
    // The value lies in [10^(order-1), 10^order).
    const long long order = static_cast<long long>(digits.size()) + exponent;
    if (order != thresholdOrder)
        return order > thresholdOrder;
    static const std::string threshold = ThresholdDigits();
    // Same order: compare digit by digit, missing digits counting as 0.
    const std::size_t length = std::max(digits.size(), threshold.size());
    for (std::size_t i = 0; i < length; ++i) {
        const char digit = i < digits.size() ? digits[i] : '0';
        const char limit = i < threshold.size() ? threshold[i] : '0';
        if (digit != limit)
            return digit > limit;
    }
    return true; // exactly the threshold rounds up
}

} // namespace platform
