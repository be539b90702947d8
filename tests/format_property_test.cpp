// The number format against an exact decimal expansion computed another way: big-integer
// arithmetic on the double's binary mantissa and exponent.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "run/format.h"

namespace {

// A non-negative integer in base 10^9, least significant limb first.
struct Big {
    std::vector<std::uint32_t> limbs{0};

    void Multiply(std::uint32_t k)
    {
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : limbs) {
            const std::uint64_t v = std::uint64_t(limb) * k + carry;
            limb = std::uint32_t(v % 1000000000);
            carry = v / 1000000000;
        }
        if (carry)
            limbs.push_back(std::uint32_t(carry));
    }
    std::string Digits() const
    {
        std::string s = std::to_string(limbs.back());
        for (std::size_t i = limbs.size() - 1; i-- > 0;) {
            const std::string part = std::to_string(limbs[i]);
            s += std::string(9 - part.size(), '0') + part;
        }
        return s;
    }
};

// |v| exactly, as digits and the number of them after the decimal point.
struct Exact {
    std::string digits;
    int fraction;
};

Exact ExactDecimal(double v)
{
    int e = 0;
    const double m = std::frexp(std::fabs(v), &e);  // |v| = m * 2^e, 0.5 <= m < 1
    std::uint64_t mantissa = std::uint64_t(std::ldexp(m, 53));
    e -= 53;
    Big b;
    b.limbs = {std::uint32_t(mantissa % 1000000000), std::uint32_t(mantissa / 1000000000 % 1000000000),
               std::uint32_t(mantissa / 1000000000000000000ULL)};
    while (b.limbs.size() > 1 && b.limbs.back() == 0)
        b.limbs.pop_back();
    int fraction = 0;
    for (; e > 0; --e)
        b.Multiply(2);
    for (; e < 0; ++e, ++fraction)
        b.Multiply(5);  // m / 2^k = m * 5^k / 10^k
    return {b.Digits(), fraction};
}

// Rounds the digit string to keep `keep` leading digits; ties as the rule says.
std::string RoundDigits(std::string digits, int keep, bool halfEven, int& exponentShift)
{
    exponentShift = 0;
    if (keep >= int(digits.size()))
        return digits;
    if (keep < 0)
        return "0";
    const std::string rest = digits.substr(keep);
    digits.resize(keep);
    bool up = rest[0] > '5' || (rest[0] == '5' && (rest.find_first_not_of('0', 1) != std::string::npos));
    if (rest[0] == '5' && rest.find_first_not_of('0', 1) == std::string::npos)
        up = !halfEven || (keep > 0 && (digits.back() - '0') % 2 == 1);
    if (up) {
        int i = keep - 1;
        for (; i >= 0 && digits[i] == '9'; --i)
            digits[i] = '0';
        if (i >= 0) {
            ++digits[i];
        } else {
            digits.insert(digits.begin(), '1');
            exponentShift = 1;
        }
    }
    return digits.empty() ? "0" : digits;
}

// The format's rule, worked on the exact expansion.
std::string Reference(double v, int decimals, const std::string& sep)
{
    Exact x = ExactDecimal(v);
    // Leading zeros off; the value is 0.D * 10^point.
    const std::size_t nz = x.digits.find_first_not_of('0');
    if (nz == std::string::npos)
        x.digits = std::string(1, '0');
    else
        x.digits = x.digits.substr(nz);
    int point = int(x.digits.size()) - x.fraction;  // digits before the decimal point
    int shift = 0;
    std::string d18 = RoundDigits(x.digits, 18, true, shift);
    point += shift;
    const int keep = std::min(point + decimals, 8);
    std::string kept = RoundDigits(d18, keep, false, shift);
    point += shift;
    const bool zero = keep < 0 || kept.find_first_not_of('0') == std::string::npos;
    // Place the kept digits, padding with zeros to `decimals` places.
    std::string whole, frac;
    for (int place = std::max(point - 1, 0); place >= -decimals; --place) {
        const int index = point - 1 - place;
        const char c = !zero && index >= 0 && index < int(kept.size()) ? kept[index] : '0';
        (place >= 0 ? whole : frac) += c;
    }
    std::string out = std::signbit(v) && !zero ? "-" : "";
    out += whole;
    if (decimals > 0) {
        out += sep;
        out += frac;
    }
    return out;
}

TEST(FormatFixedProperty, AgreesWithTheExactExpansion)
{
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> decade(-12.0, 7.9);
    std::uniform_int_distribution<int> decimals(0, 3);
    int checked = 0;
    const auto check = [&](double v, int d) {
        ASSERT_EQ(FormatFixed(v, d, ","), Reference(v, d, ",")) << std::hexfloat << v << " with " << d;
        ++checked;
    };
    for (int i = 0; i < 20000; ++i) {
        const double v = std::pow(10.0, decade(random)) * (random() % 2 ? 1 : -1);
        check(v, decimals(random));
    }
    // Near the ties: halves, quarters and hundredths, which binary holds exactly or just off.
    for (int k = -4000; k <= 4000; ++k) {
        for (const double v : {k / 8.0, k / 100.0, k / 20.0 + 0.005, k * 0.05}) {
            for (int d = 0; d <= 2; ++d)
                check(v, d);
        }
    }
    EXPECT_GT(checked, 80000);
}

}  // namespace
