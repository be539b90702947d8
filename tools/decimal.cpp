#include "tools/decimal.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace {

bool IsDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Beyond this many digits no value fits a long long, so larger exponents are out of range.
constexpr int MaxDigits = 18;

}  // namespace

std::optional<long long> ScaledInteger(std::string_view text, int decimals)
{
    std::size_t k = 0;
    bool negative = false;
    if (k < text.size() && (text[k] == '+' || text[k] == '-'))
        negative = text[k++] == '-';

    std::string digits;
    int fractionDigits = 0;
    bool anyDigit = false;
    for (; k < text.size() && IsDigit(text[k]); ++k, anyDigit = true)
        digits += text[k];
    if (k < text.size() && text[k] == '.') {
        for (++k; k < text.size() && IsDigit(text[k]); ++k, anyDigit = true, ++fractionDigits)
            digits += text[k];
    }
    if (!anyDigit)
        return std::nullopt;

    long long exponent = 0;
    if (k < text.size() && (text[k] == 'e' || text[k] == 'E')) {
        ++k;
        bool negativeExponent = false;
        if (k < text.size() && (text[k] == '+' || text[k] == '-'))
            negativeExponent = text[k++] == '-';
        if (k == text.size())
            return std::nullopt;
        for (; k < text.size() && IsDigit(text[k]); ++k)
            exponent = std::min(exponent * 10 + (text[k] - '0'), 100000LL);
        if (negativeExponent)
            exponent = -exponent;
    }
    if (k != text.size())
        return std::nullopt;

    // value * 10^decimals = digits * 10^shift
    long long shift = exponent - fractionDigits + decimals;
    while (!digits.empty() && digits.front() == '0')
        digits.erase(digits.begin());
    if (digits.empty())
        return 0;
    for (; shift < 0; ++shift) {
        if (digits.back() != '0')
            return std::nullopt;  // off the grid
        digits.pop_back();
    }
    if (static_cast<long long>(digits.size()) + shift > MaxDigits)
        return std::nullopt;
    digits.append(static_cast<std::size_t>(shift), '0');
    const long long magnitude = std::strtoll(digits.c_str(), nullptr, 10);
    return negative ? -magnitude : magnitude;
}

std::string PositionText(long long position, int decimals)
{
    std::string digits = std::to_string(position < 0 ? -position : position);
    if (static_cast<int>(digits.size()) <= decimals)
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    std::string whole = digits.substr(0, digits.size() - decimals);
    std::string fraction = digits.substr(digits.size() - decimals);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    return (position < 0 ? "-" : "") + whole + (fraction.empty() ? "" : "." + fraction);
}
