#pragma once

#include <cstddef>
#include <string>

#include "models/model.h"
#include "run/params.h"
#include "run/series.h"

// Texts of the element captions and the phase caption, written by every run.
// Only the choke-filter circuit has the last two; they stay empty otherwise.
struct Captions {
    std::string Label1;  // series resistance
    std::string Label2;  // capacitor
    std::string Label3;  // load
    std::string Label4;  // initial phase
    std::string Label5;  // capacitor series resistance
    std::string Label6;  // choke
};

// The mains source and the run: steps the model from rest over HalfPeriods mains
// half-periods and keeps the three sample series of the last run.
class Run {
public:
    static constexpr int MinHalfPeriods = 1;
    static constexpr int MaxHalfPeriods = 20;
    static constexpr int StartHalfPeriods = 3;

    // Sets the mains constants and the start-up sweep length. decimalSeparator is the
    // user's regional one, used by the captions.
    Run(tModel& model, std::string decimalSeparator);

    // The first run: from rest, then the series read back in milliseconds.
    void StartUp(const Positions& p);

    // One run with the inputs p, continuing from the model's present state.
    void Recalc(const Positions& p);

    // What every change does: back to rest, then a run.
    void Restart(const Positions& p);

    // The sweep buttons: one half-period less or more, then a run from rest.
    void ShrinkButtonClick(const Positions& p);
    void GrowButtonClick(const Positions& p);
    bool ShrinkEnabled() const { return HalfPeriods > MinHalfPeriods; }
    bool GrowEnabled() const { return HalfPeriods < MaxHalfPeriods; }

    int halfPeriods() const { return HalfPeriods; }
    int stepCount() const { return StepCount; }

    const tModel& model() const { return Model; }
    const SampleSeries& Series1() const { return series1; }  // input current, A
    const SampleSeries& Series2() const { return series2; }  // source voltage, V
    const SampleSeries& Series3() const { return series3; }  // load voltage, V
    const Captions& captions() const { return captions_; }
    const std::string& decimalSeparator() const { return separator; }

private:
    // Steps per run for a sweep length, rounded to the nearest integer.
    int StepCountFor(int halfPeriods) const;
    void WriteCaptions(bool chokeFilter);

    tModel& Model;
    const double Freq = 50.0;
    const double Urms = 220.0;
    const double Umax;
    const double dFi;
    double Fi = 0.0;
    double U = 0.0;
    int HalfPeriods = StartHalfPeriods;
    int StepCount;
    int StepNo = 0;
    SampleSeries series1;
    SampleSeries series2;
    SampleSeries series3;
    Captions captions_;
    std::string separator;
};

// The readout of sample `index`: its time, taken from the series that was hit, and the
// values of the three curves there.
std::string ReadoutText(const Run& run, const SampleSeries& hit, std::size_t index);
