#include "description/EquationsDescription.h"

namespace description {

std::string DescribeEquations()
{
    return "Rovnice jednoho kroku výpočtu: M = −m·g·a·sin φ; ε = M / J; ω = ω + ε·dt; φ = φ + ω·dt; "
           "t = t + dt.";
}

} // namespace description
