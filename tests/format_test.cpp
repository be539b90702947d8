#include <gtest/gtest.h>

#include "run/format.h"

namespace {

TEST(FormatFixed, Table)
{
    const struct {
        double value;
        int decimals;
        const char* sep;
        const char* text;
    } cases[] = {
        {0.25, 1, ",", "0,3"},      // an exact tie goes away from zero, unlike binary printf
        {-0.25, 1, ",", "-0,3"},
        {0.125, 2, ",", "0,13"},
        {2.5, 0, ",", "3"},
        {-0.5, 0, ",", "-1"},
        {0.35, 1, ",", "0,3"},      // 0.34999999999999997... in binary
        {1.005, 2, ",", "1,00"},    // 1.00499999999999989...
        {0.05, 1, ",", "0,1"},
        {-3e-11, 1, ",", "0,0"},    // rounds to zero: no minus sign
        {-0.04, 1, ",", "0,0"},
        {-0.0, 1, ",", "0,0"},
        {0.0, 0, ",", "0"},
        {0.4, 0, ",", "0"},
        {9.96, 1, ",", "10,0"},
        {299.99999999999994, 0, ",", "300"},
        {1234.5, 0, ",", "1235"},   // no grouping
        {96.1234, 1, ".", "96.1"},
        {0.01, 2, ".", "0.01"},
        {0.5, 1, "٫", "0٫5"},       // a separator of more than one byte
        {-180.0, 0, ",", "-180"},
        {7.0, 2, ",", "7,00"},
        {1234567.891, 2, ",", "1234567,90"},  // at most 8 significant digits
        {123456789.0, 1, ",", "1,2345679E8"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFixed(c.value, c.decimals, c.sep), c.text) << c.value << " with " << c.decimals;
}

}  // namespace
