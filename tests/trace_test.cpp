// The trace tool, run as a user runs it.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "models/crect.h"
#include "models/lcrect.h"
#include "run/run.h"

namespace {

struct Result {
    int exitCode;
    std::string out;
    std::string err;
};

std::string Slurp(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

Result Trace(const std::string& args)
{
    // Per process and call: CTest runs the tests of this file side by side.
    static int calls = 0;
    const std::string stem = ::testing::TempDir() + "trace-" + std::to_string(getpid()) + "-" + std::to_string(++calls);
    const std::string out = stem + ".out", err = stem + ".err";
    const std::string command = std::string(TRACE_PATH) + " " + args + " >" + out + " 2>" + err;
    const int status = std::system(command.c_str());
    Result r{WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(out), Slurp(err)};
    std::remove(out.c_str());
    std::remove(err.c_str());
    return r;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::stringstream ss(text);
    for (std::string line; std::getline(ss, line);)
        lines.push_back(line);
    return lines;
}

std::vector<double> Fields(const std::string& line)
{
    std::vector<double> values;
    const char* p = line.data();
    const char* end = p + line.size();
    while (p < end) {
        double v = 0;
        const auto r = std::from_chars(p, end, v);
        EXPECT_EQ(r.ec, std::errc()) << line;
        values.push_back(v);
        p = r.ptr + 1;
    }
    return values;
}

// Every printed number reads back to the double the library computed.
void ExpectSameAsLibrary(const Result& r, tModel& model, Positions p, int halfPeriods)
{
    Run run(model, ".");
    run.StartUp(p);
    while (run.halfPeriods() < halfPeriods)
        run.GrowButtonClick(p);
    while (run.halfPeriods() > halfPeriods)
        run.ShrinkButtonClick(p);

    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), run.Series1().Count() + 1);
    EXPECT_EQ(lines[0], "t_ms,Iin_A,Uin_V,Uout_V");
    for (std::size_t i = 0; i < run.Series1().Count(); ++i) {
        const std::vector<double> f = Fields(lines[i + 1]);
        ASSERT_EQ(f.size(), 4u) << lines[i + 1];
        ASSERT_EQ(f[0], run.Series1().XValue(i));
        ASSERT_EQ(f[1], run.Series1().YValue(i));
        ASSERT_EQ(f[2], run.Series2().YValue(i));
        ASSERT_EQ(f[3], run.Series3().YValue(i));
    }
}

TEST(Trace, DefaultRunsMatchTheLibrary)
{
    tCRect cap;
    const Result c = Trace("--circuit capacitor");
    EXPECT_EQ(Lines(c.out).size(), 1501u);
    ExpectSameAsLibrary(c, cap, DesignedPositions(false), 3);

    tLCRect choke;
    const Result l = Trace("--circuit choke");
    EXPECT_EQ(Lines(l.out).size(), 3001u);
    ExpectSameAsLibrary(l, choke, DesignedPositions(true), 3);
}

TEST(Trace, EveryOptionReachesTheRun)
{
    tLCRect choke;
    Positions p{2, 10, -180, 8, 0, 100};
    ExpectSameAsLibrary(Trace("--circuit choke --r1 0.2 --rload 10 --phase -180 --c1 22 --rp 0 --l1 10 --half-periods 1"),
                        choke, p, 1);

    tCRect cap;
    Positions q{500, 1000, 90, 0, {}, {}};
    ExpectSameAsLibrary(Trace("--circuit=capacitor --r1=50.0 --rload 1e3 --phase +90 --c1 10000 --half-periods 20"),
                        cap, q, 20);
}

TEST(Trace, HelpExitsZero)
{
    const Result r = Trace("--help");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("usage: rectifier-trace --circuit capacitor|choke"), std::string::npos);
}

TEST(Trace, BadInputsExitTwoWithOneLine)
{
    const struct {
        const char* args;
        const char* names;
    } cases[] = {
        {"", "--circuit"},
        {"--circuit", "--circuit"},
        {"--circuit diode", "--circuit"},
        {"--circuit capacitor --r1 0.1", "--r1"},
        {"--circuit capacitor --r1 0.25", "--r1"},
        {"--circuit capacitor --r1 50.1", "--r1"},
        {"--circuit capacitor --r1 abc", "--r1"},
        {"--circuit capacitor --r1 ''", "--r1"},
        {"--circuit capacitor --r1 0.5x", "--r1"},
        {"--circuit capacitor --r1 nan", "--r1"},
        {"--circuit capacitor --r1 1e999", "--r1"},
        {"--circuit capacitor --r1", "--r1"},
        {"--circuit capacitor --rload 9", "--rload"},
        {"--circuit capacitor --rload 300.5", "--rload"},
        {"--circuit choke --rp 1.01", "--rp"},
        {"--circuit choke --rp -0.01", "--rp"},
        {"--circuit choke --l1 0", "--l1"},
        {"--circuit choke --l1 0.15", "--l1"},
        {"--circuit capacitor --rp 0.1", "--rp"},
        {"--circuit capacitor --l1 1", "--l1"},
        {"--circuit capacitor --c1 471", "--c1"},
        {"--circuit capacitor --c1 -470", "--c1"},
        {"--circuit capacitor --phase 181", "--phase"},
        {"--circuit capacitor --phase 0.5", "--phase"},
        {"--circuit capacitor --half-periods 0", "--half-periods"},
        {"--circuit capacitor --half-periods 21", "--half-periods"},
        {"--circuit capacitor --half-periods 2.5", "--half-periods"},
        {"--circuit capacitor --half-periods 3 --half-periods 4", "--half-periods"},
        {"--circuit capacitor --volts 10", "--volts"},
        {"--circuit capacitor extra", "extra"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const Result r = Trace(c.args);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.out, "");
        const std::vector<std::string> lines = Lines(r.err);
        ASSERT_EQ(lines.size(), 1u) << r.err;
        EXPECT_NE(lines[0].find(c.names), std::string::npos) << lines[0];
    }
}

// Any argument list ends in one of two ways: exit 0 with a whole run (or the usage), or
// exit 2 with one line on stderr and nothing on stdout. Never a crash or a half answer.
TEST(Trace, RandomArgumentsNeverCrash)
{
    const std::vector<std::string> tokens = {
        "--circuit", "capacitor", "choke", "--r1", "--rload", "--rp", "--l1", "--c1", "--phase", "--half-periods",
        "0.5", "0.2", "50", "0.25", "-1", "1e1", "1e-1", "10", "1000", "470", "22", "-180", "180", "181", "20", "21",
        "0", "abc", "", "=", "--r1=0.3", "--circuit=choke", "--", "-", "--help", ".", "1.", ".5", "+3", "nan", "1e400",
        "0x10", "--circuit=", "\xff", "' '", "--rload=99999999999999999999"};
    std::mt19937 random(11);
    const auto quote = [](const std::string& t) {
        std::string q = "'";
        for (const char c : t)
            q += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return q + "'";
    };
    int runs = 0, good = 0;
    for (int k = 0; k < 300; ++k) {
        std::string args;
        if (random() % 3)
            args = "--circuit " + std::string(random() % 2 ? "capacitor" : "choke");
        for (int n = int(random() % 6); n > 0; --n)
        {
            args += ' ';
            args += quote(tokens[random() % tokens.size()]);
        }
        SCOPED_TRACE(args);
        const Result r = Trace(args);
        ++runs;
        if (r.exitCode == 0) {
            ++good;
            EXPECT_EQ(r.err, "");
            if (r.out.rfind("usage:", 0) == 0)
                continue;
            const std::vector<std::string> lines = Lines(r.out);
            ASSERT_FALSE(lines.empty());
            EXPECT_EQ(lines[0], "t_ms,Iin_A,Uin_V,Uout_V");
            const std::size_t samples = lines.size() - 1;
            EXPECT_TRUE(samples > 0 && (samples % 500 == 0) && samples <= 20000) << samples;
        } else {
            ASSERT_EQ(r.exitCode, 2) << r.err;
            EXPECT_EQ(r.out, "");
            EXPECT_EQ(Lines(r.err).size(), 1u) << r.err;
        }
    }
    EXPECT_GT(good, 20);
    EXPECT_GT(runs - good, 100);
}

}  // namespace
