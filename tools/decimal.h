#pragma once

#include <optional>
#include <string>
#include <string_view>

// The exact value of a decimal number text times 10^decimals, when that is a whole
// number; nothing for text that is not a number or does not land on the grid.
// Accepts an optional sign, digits with an optional point, and an optional exponent.
std::optional<long long> ScaledInteger(std::string_view text, int decimals);

// A whole position on a grid of 10^-decimals as the shortest decimal text ("0.2", "50").
std::string PositionText(long long position, int decimals);
