#pragma once

#include <cmath>

namespace web {

// The page's devicePixelRatio as the engine takes it; 1 for what is not a
// positive number.
inline double PageRatio(double ratio)
{
    return std::isfinite(ratio) && ratio > 0.0 ? ratio : 1.0;
}

} // namespace web
