#pragma once

#include <string>
#include <string_view>

// Fixed-point text of v with the given number of decimals, as every caption and the
// readout show numbers: the value's 18-significant-digit decimal expansion rounded half
// away from zero (at most 8 significant digits), no minus sign on a result that rounds
// to zero, no grouping, and the caller's decimal separator (the user's regional one).
std::string FormatFixed(double v, int decimals, std::string_view decimalSeparator);
