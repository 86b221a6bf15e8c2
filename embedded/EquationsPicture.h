#pragma once

#include "embedded/VectorPicture.h"

// The five equations of the pendulum's integration step, as shown in the
// input group:
//   M = −m·g·a·sin φ
//   ε = M / J          (stacked fraction)
//   ω = ω + ε·dt
//   φ = φ + ω·dt
//   t = t + dt
// A 2699 x 757 logical window on a 114.51 mm x 32.07 mm picture; every glyph
// lies left of x = 700.
VectorPicture EquationsPicture();
