#include "run/format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int ExpansionDigits = 18;
constexpr int MaxSignificant = 8;
constexpr int ExponentFrom = 8;  // values of 10^8 and more are written with an exponent

// The decimal digits of |v| rounded to 18 significant digits; the first digit stands at
// 10^exponent.
struct Expansion {
    std::string digits;
    int exponent = 0;
};

Expansion Expand(double magnitude)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", ExpansionDigits - 1, magnitude);
    Expansion e;
    for (const char* p = buf; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            e.digits += *p;
    e.exponent = std::atoi(std::strchr(buf, 'e') + 1);
    return e;
}

// Keeps the first `keep` digits, rounding half away from zero on the next one; a carry
// out of the first digit moves the exponent up.
Expansion RoundTo(Expansion e, int keep)
{
    if (keep < 0)
        return {std::string(), e.exponent};
    const bool up = keep < static_cast<int>(e.digits.size()) && e.digits[keep] >= '5';
    e.digits.resize(std::min<std::size_t>(keep, e.digits.size()));
    if (up) {
        int i = keep - 1;
        for (; i >= 0 && e.digits[i] == '9'; --i)
            e.digits[i] = '0';
        if (i >= 0) {
            ++e.digits[i];
        } else {
            e.digits.insert(e.digits.begin(), '1');
            ++e.exponent;
        }
    }
    return e;
}

char DigitAt(const Expansion& e, int place)
{
    const int index = e.exponent - place;
    if (index < 0 || index >= static_cast<int>(e.digits.size()))
        return '0';
    return e.digits[index];
}

bool IsZero(const Expansion& e)
{
    return std::all_of(e.digits.begin(), e.digits.end(), [](char c) { return c == '0'; });
}

std::string ExponentForm(Expansion e, bool negative, std::string_view sep)
{
    e = RoundTo(e, MaxSignificant);
    while (e.digits.size() > 1 && e.digits.back() == '0')
        e.digits.pop_back();
    std::string out = negative ? "-" : "";
    out += e.digits[0];
    if (e.digits.size() > 1) {
        out += sep;
        out.append(e.digits, 1);
    }
    return out + "E" + std::to_string(e.exponent);
}

}  // namespace

std::string FormatFixed(double v, int decimals, std::string_view sep)
{
    if (std::isnan(v))
        return "NAN";
    if (std::isinf(v))
        return v > 0 ? "INF" : "-INF";
    decimals = std::clamp(decimals, 0, ExpansionDigits);

    bool negative = std::signbit(v);
    Expansion e = Expand(std::fabs(v));
    if (v != 0.0 && e.exponent >= ExponentFrom)
        return ExponentForm(e, negative, sep);

    // Digits down to 10^-decimals, but never more than 8 significant ones.
    const int keep = std::min(e.exponent + 1 + decimals, MaxSignificant);
    e = RoundTo(e, keep);
    if (e.digits.empty() || IsZero(e)) {
        e = Expansion{"0", 0};
        negative = false;  // a value that rounds to zero shows no sign
    }

    std::string out = negative ? "-" : "";
    for (int place = std::max(e.exponent, 0); place >= 0; --place)
        out += DigitAt(e, place);
    if (decimals > 0) {
        out += sep;
        for (int place = -1; place >= -decimals; --place)
            out += DigitAt(e, place);
    }
    return out;
}
