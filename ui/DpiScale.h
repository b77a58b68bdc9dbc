// Lengths given at 96 DPI, at another DPI: portable, so that layout rules can be tested without a window system.
#pragma once

namespace tapstart {

inline constexpr int kBaseDpi = 96;

// A length or font height given at 96 DPI, at dpi, rounded to the nearest pixel with halves away from zero (as
// the system's MulDiv rounds). A DPI of 0 or less counts as 96.
constexpr int ScaleToDpi(int value, int dpi) {
  if (dpi <= 0) return value;
  const long long product = static_cast<long long>(value) * dpi;
  return static_cast<int>((product >= 0 ? product + kBaseDpi / 2 : product - kBaseDpi / 2) / kBaseDpi);
}

}  // namespace tapstart
