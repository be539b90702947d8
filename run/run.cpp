#include "run/run.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "run/format.h"

Run::Run(tModel& model, std::string decimalSeparator)
    : Model(model),
      Umax(std::sqrt(2.0) * Urms),
      dFi(2 * std::numbers::pi * Freq * model.dt),
      StepCount(StepCountFor(StartHalfPeriods)),
      separator(std::move(decimalSeparator))
{
    // Room for the longest run, so that no run reallocates while it appends.
    const auto most = static_cast<std::size_t>(StepCountFor(MaxHalfPeriods));
    series1.Reserve(most);
    series2.Reserve(most);
    series3.Reserve(most);
}

int Run::StepCountFor(int halfPeriods) const
{
    return static_cast<int>(std::lround(halfPeriods / (2.0 * Freq * Model.dt)));
}

void Run::StartUp(const Positions& p)
{
    Restart(p);
    const double multiplier = Model.dt * 1000;
    series1.XMultiplier = multiplier;
    series2.XMultiplier = multiplier;
    series3.XMultiplier = multiplier;
}

void Run::Restart(const Positions& p)
{
    Model.Reset();
    Recalc(p);
}

void Run::ShrinkButtonClick(const Positions& p)
{
    HalfPeriods = std::max(HalfPeriods - 1, MinHalfPeriods);
    StepCount = StepCountFor(HalfPeriods);
    Restart(p);
}

void Run::GrowButtonClick(const Positions& p)
{
    HalfPeriods = std::min(HalfPeriods + 1, MaxHalfPeriods);
    StepCount = StepCountFor(HalfPeriods);
    Restart(p);
}

void Run::Recalc(const Positions& p)
{
    series1.Clear();
    series2.Clear();
    series3.Clear();

    Model.SetC(1, CValues[p.CF]);
    Model.SetR(1, R1Ohm(p.R1));
    const bool chokeFilter = p.R3 && p.L1;
    if (chokeFilter) {
        Model.SetR(3, R3Ohm(*p.R3));
        Model.SetL(1, L1Henry(*p.L1));
    }
    Fi = Fi0Rad(p.Fi0);
    Model.SetR(2, R2Ohm(p.R2));

    WriteCaptions(chokeFilter);

    StepNo = 0;
    do {
        U = std::sin(Fi) * Umax;
        Model.Step(U);
        // Sample StepNo of each series: the series keep x as the step number.
        series1.Add(Model.Iin);
        series2.Add(Model.Uin);
        series3.Add(Model.Uout);
        Fi += dFi;  // never wrapped: the phase grows over the whole run
        ++StepNo;
    } while (StepNo % StepCount != 0);
}

void Run::WriteCaptions(bool chokeFilter)
{
    const std::string& sep = separator;
    captions_.Label1 = "R1 " + FormatFixed(Model.GetR(1), R1Param.decimals, sep);
    captions_.Label3 = "Rн " + FormatFixed(Model.GetR(2), R2Param.decimals, sep);
    captions_.Label2 = "C1 " + FormatFixed(Model.GetC(1) * 1000000, 0, sep) + " мк";
    captions_.Label4 =
        "Начальная фаза " + FormatFixed(Fi * 180 / std::numbers::pi, Fi0Param.decimals, sep) + " град.";
    if (chokeFilter) {
        captions_.Label5 = "Rп " + FormatFixed(Model.GetR(3), R3Param.decimals, sep);
        captions_.Label6 = "L1 " + FormatFixed(Model.GetL(1) * 1000, L1Param.decimals, sep) + " мГн";
    } else {
        captions_.Label5.clear();
        captions_.Label6.clear();
    }
}

std::string ReadoutText(const Run& run, const SampleSeries& hit, std::size_t index)
{
    const std::string& sep = run.decimalSeparator();
    // Latin "c" after the Cyrillic "м" and a Latin "A", as the program has always shown them.
    return "t=" + FormatFixed(hit.XValue(index), 1, sep) + " мc, " +
           " Iвх=" + FormatFixed(run.Series1().YValue(index), 1, sep) + " A, " +
           " Uвх=" + FormatFixed(run.Series2().YValue(index), 1, sep) + " В, " +
           " Uн=" + FormatFixed(run.Series3().YValue(index), 1, sep) + " В";
}
