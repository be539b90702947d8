// Computes one run of either circuit with the programs' own library and prints it as CSV.
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "models/crect.h"
#include "models/lcrect.h"
#include "run/params.h"
#include "run/run.h"
#include "tools/decimal.h"

namespace {

constexpr const char* Usage =
    "usage: rectifier-trace --circuit capacitor|choke [--r1 OHM] [--rload OHM] [--rp OHM]\n"
    "                       [--l1 MH] [--c1 UF] [--phase DEG] [--half-periods N]\n"
    "\n"
    "Computes one switch-on run from rest and prints t_ms,Iin_A,Uin_V,Uout_V per step.\n"
    "  --circuit       capacitor (bridge, R1, C1 across the load) or choke (bridge, R1,\n"
    "                  freewheeling diode, L1, C1 with Rp, across the load)\n"
    "  --r1 OHM        series resistance, 0.2 to 50 in steps of 0.1 (default 0.5)\n"
    "  --rload OHM     load, 10 to 1000 in steps of 1 (default 300)\n"
    "  --rp OHM        capacitor series resistance, choke only, 0 to 1 in steps of 0.01 (default 0.01)\n"
    "  --l1 MH         choke, choke only, 0.1 to 10 in steps of 0.1 (default 0.1)\n"
    "  --c1 UF         capacitance, one of 10000 4700 2200 1000 470 220 100 47 22 (default 470)\n"
    "  --phase DEG     initial mains phase, -180 to 180 in steps of 1 (default 0)\n"
    "  --half-periods N  sweep length in mains half-periods, 1 to 20 (default 3)\n";

// One line on stderr, nothing on stdout, exit 2.
struct UsageError {
    std::string message;
};

// A numeric option that lands on a whole slider position.
struct GridOption {
    std::string_view flag;
    const SliderParam* param;
    const char* unit;
    bool chokeOnly;
    void (*set)(Positions&, int);
};

const GridOption GridOptions[] = {
    {"--r1", &R1Param, "ohm", false, [](Positions& p, int v) { p.R1 = v; }},
    {"--rload", &R2Param, "ohm", false, [](Positions& p, int v) { p.R2 = v; }},
    {"--rp", &R3Param, "ohm", true, [](Positions& p, int v) { p.R3 = v; }},
    {"--l1", &L1Param, "mH", true, [](Positions& p, int v) { p.L1 = v; }},
    {"--phase", &Fi0Param, "degrees", false, [](Positions& p, int v) { p.Fi0 = v; }},
};

std::string Accepts(const GridOption& o)
{
    return std::string(o.flag) + " accepts " + PositionText(o.param->lowerLimit, o.param->decimals) + " to " +
           PositionText(o.param->maximum, o.param->decimals) + " " + o.unit + " in steps of " +
           PositionText(1, o.param->decimals);
}

std::string Got(std::string_view value)
{
    return "; got '" + std::string(value) + "'";
}

int GridPosition(const GridOption& o, std::string_view value)
{
    const std::optional<long long> p = ScaledInteger(value, o.param->decimals);
    if (!p || *p < o.param->lowerLimit || *p > o.param->maximum)
        throw UsageError{Accepts(o) + Got(value)};
    return static_cast<int>(*p);
}

int CapacitorItem(std::string_view value)
{
    const std::optional<long long> uf = ScaledInteger(value, 0);
    for (int item = 0; uf && item < static_cast<int>(CValues.size()); ++item)
        if (CFItemText(item) == std::to_string(*uf))
            return item;
    std::string items;
    for (int item = 0; item < static_cast<int>(CValues.size()); ++item)
        items += (item ? ", " : "") + CFItemText(item);
    throw UsageError{"--c1 accepts one of " + items + " uF" + Got(value)};
}

int HalfPeriods(std::string_view value)
{
    const std::optional<long long> n = ScaledInteger(value, 0);
    if (!n || *n < Run::MinHalfPeriods || *n > Run::MaxHalfPeriods)
        throw UsageError{"--half-periods accepts a whole number from 1 to 20" + Got(value)};
    return static_cast<int>(*n);
}

struct Request {
    bool help = false;
    bool choke = false;
    Positions positions;
    int halfPeriods = Run::StartHalfPeriods;
};

Request Parse(const std::vector<std::string_view>& args)
{
    std::optional<std::string_view> circuit;
    std::vector<std::pair<std::string_view, std::string_view>> values;
    for (std::size_t k = 0; k < args.size(); ++k) {
        std::string_view flag = args[k];
        if (flag == "--help" || flag == "-h") {
            Request help;
            help.help = true;
            return help;
        }
        std::optional<std::string_view> value;
        if (const auto eq = flag.find('='); flag.starts_with("--") && eq != std::string_view::npos) {
            value = flag.substr(eq + 1);
            flag = flag.substr(0, eq);
        }
        const bool known = flag == "--circuit" || flag == "--c1" || flag == "--half-periods" ||
                           std::any_of(std::begin(GridOptions), std::end(GridOptions),
                                       [&](const GridOption& o) { return o.flag == flag; });
        if (!known)
            throw UsageError{"unknown option '" + std::string(args[k]) + "'; see --help"};
        if (!value) {
            if (k + 1 == args.size())
                throw UsageError{std::string(flag) + " needs a value; see --help"};
            value = args[++k];
        }
        for (const auto& [seen, _] : values)
            if (seen == flag)
                throw UsageError{std::string(flag) + " is given more than once"};
        values.emplace_back(flag, *value);
        if (flag == "--circuit")
            circuit = *value;
    }

    if (!circuit)
        throw UsageError{"--circuit is required: capacitor or choke"};
    if (*circuit != "capacitor" && *circuit != "choke")
        throw UsageError{"--circuit accepts capacitor or choke" + Got(*circuit)};

    Request r;
    r.choke = *circuit == "choke";
    r.positions = DesignedPositions(r.choke);
    for (const auto& [flag, value] : values) {
        if (flag == "--c1") {
            r.positions.CF = CapacitorItem(value);
        } else if (flag == "--half-periods") {
            r.halfPeriods = HalfPeriods(value);
        } else {
            for (const GridOption& o : GridOptions) {
                if (o.flag != flag)
                    continue;
                if (o.chokeOnly && !r.choke)
                    throw UsageError{std::string(flag) + " applies only to --circuit choke"};
                o.set(r.positions, GridPosition(o, value));
            }
        }
    }
    return r;
}

void AppendNumber(std::string& out, double v)
{
    char buf[32];
    const auto result = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, result.ptr);
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    Request request;
    try {
        request = Parse(args);
    } catch (const UsageError& e) {
        std::fprintf(stderr, "rectifier-trace: %s\n", e.message.c_str());
        return 2;
    }
    if (request.help) {
        std::fputs(Usage, stdout);
        return 0;
    }

    std::unique_ptr<tModel> model;
    if (request.choke)
        model = std::make_unique<tLCRect>();
    else
        model = std::make_unique<tCRect>();
    Run run(*model, ".");
    run.StartUp(request.positions);
    // The sweep length moves one half-period at a time, as with the window's buttons.
    while (run.halfPeriods() < request.halfPeriods)
        run.GrowButtonClick(request.positions);
    while (run.halfPeriods() > request.halfPeriods)
        run.ShrinkButtonClick(request.positions);

    std::string out = "t_ms,Iin_A,Uin_V,Uout_V\n";
    out.reserve(out.size() + run.Series1().Count() * 80);
    for (std::size_t i = 0; i < run.Series1().Count(); ++i) {
        AppendNumber(out, run.Series1().XValue(i));
        out += ',';
        AppendNumber(out, run.Series1().YValue(i));
        out += ',';
        AppendNumber(out, run.Series2().YValue(i));
        out += ',';
        AppendNumber(out, run.Series3().YValue(i));
        out += '\n';
    }
    if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0) {
        std::perror("rectifier-trace: writing the output");
        return 1;
    }
    return 0;
}
