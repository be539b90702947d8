// The run on both circuits: start-up, sweep length, inputs, captions and the readout.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "models/crect.h"
#include "models/lcrect.h"
#include "run/run.h"

namespace {

struct Circuit {
    const char* name;
    bool choke;
    int stepsPerHalfPeriod;
    double peakCurrent;
    double endVoltage;
};

const Circuit Circuits[] = {
    {"capacitor", false, 500, 44.1, 298.3},
    {"choke", true, 1000, 51.7, 301.3},
};

std::unique_ptr<tModel> MakeModel(bool choke)
{
    if (choke)
        return std::make_unique<tLCRect>();
    return std::make_unique<tCRect>();
}

// A run state on its own model, started up at the designed positions.
struct Started {
    explicit Started(bool choke, std::string sep = ",")
        : model(MakeModel(choke)), run(*model, std::move(sep)), positions(DesignedPositions(choke))
    {
        run.StartUp(positions);
    }
    std::unique_ptr<tModel> model;
    Run run;
    Positions positions;
};

double Peak(const SampleSeries& s)
{
    return *std::max_element(s.StoredY().begin(), s.StoredY().end());
}

TEST(Run, StartUpFillsThreeSeriesInMilliseconds)
{
    for (const Circuit& c : Circuits) {
        SCOPED_TRACE(c.name);
        Started s(c.choke);
        const int n = 3 * c.stepsPerHalfPeriod;
        EXPECT_EQ(s.run.halfPeriods(), 3);
        EXPECT_EQ(s.run.stepCount(), n);
        for (const SampleSeries* series : {&s.run.Series1(), &s.run.Series2(), &s.run.Series3()}) {
            ASSERT_EQ(series->Count(), static_cast<std::size_t>(n));
            EXPECT_DOUBLE_EQ(series->XMultiplier, s.model->dt * 1000);
            EXPECT_EQ(series->XValue(0), 0.0);
            EXPECT_NEAR(series->XValue(n - 1), 30.0 - 10.0 / c.stepsPerHalfPeriod, 1e-9);
        }
        EXPECT_NEAR(Peak(s.run.Series1()), c.peakCurrent, 0.05);
        EXPECT_NEAR(s.run.Series3().StoredY().back(), c.endVoltage, 0.05);
    }
}

TEST(Run, MendedChokeCircuitMatchesTheCircuit)
{
    Started low(true);
    low.positions.R1 = 2;  // 0.2 ohm
    low.run.Restart(low.positions);
    EXPECT_NEAR(Peak(low.run.Series1()), 69.0, 1.0);

    Started heavy(true);
    heavy.positions.R2 = 10;
    heavy.positions.R3 = 100;  // 1 ohm
    for (int k = 0; k < 17; ++k)
        heavy.run.GrowButtonClick(heavy.positions);
    EXPECT_NEAR(heavy.run.Series3().StoredY().back(), 137.7, 0.1);
}

TEST(Run, SweepLengthStaysWithinItsBounds)
{
    for (const Circuit& c : Circuits) {
        SCOPED_TRACE(c.name);
        Started s(c.choke);
        EXPECT_TRUE(s.run.ShrinkEnabled());
        EXPECT_TRUE(s.run.GrowEnabled());

        s.run.ShrinkButtonClick(s.positions);
        s.run.ShrinkButtonClick(s.positions);
        EXPECT_EQ(s.run.halfPeriods(), 1);
        EXPECT_FALSE(s.run.ShrinkEnabled());
        EXPECT_EQ(s.run.Series1().Count(), static_cast<std::size_t>(c.stepsPerHalfPeriod));
        EXPECT_LT(s.run.Series1().XValue(s.run.Series1().Count() - 1), 10.0);
        s.run.ShrinkButtonClick(s.positions);  // past the bound: stays
        EXPECT_EQ(s.run.halfPeriods(), 1);

        s.run.GrowButtonClick(s.positions);
        EXPECT_TRUE(s.run.ShrinkEnabled());
        EXPECT_EQ(s.run.halfPeriods(), 2);

        const double* storage = s.run.Series3().StoredY().data();
        for (int k = 0; k < 18; ++k)
            s.run.GrowButtonClick(s.positions);
        EXPECT_EQ(s.run.halfPeriods(), 20);
        EXPECT_FALSE(s.run.GrowEnabled());
        EXPECT_TRUE(s.run.ShrinkEnabled());
        const std::size_t n = 20u * c.stepsPerHalfPeriod;
        EXPECT_EQ(s.run.Series2().Count(), n);
        EXPECT_NEAR(s.run.Series2().XValue(n - 1), 200.0 - 10.0 / c.stepsPerHalfPeriod, 1e-9);
        EXPECT_EQ(s.run.Series3().StoredY().data(), storage) << "the longest run reallocated";
    }
}

TEST(Run, FirstSampleIsTheSourceAtTheInitialPhase)
{
    const struct {
        int degrees;
        double uin;
    } cases[] = {{0, 0.0}, {90, 311.127}, {-90, -311.127}, {180, 0.0}};
    for (const auto& c : cases) {
        Started s(false);
        s.positions.Fi0 = c.degrees;
        s.run.Restart(s.positions);
        EXPECT_NEAR(s.run.Series2().YValue(0), c.uin, 1e-3) << c.degrees;
    }
}

TEST(Run, ChangeAndBackReproducesTheRunExactly)
{
    for (const Circuit& c : Circuits) {
        SCOPED_TRACE(c.name);
        Started s(c.choke);
        const SampleSeries before1 = s.run.Series1(), before3 = s.run.Series3();
        Positions changed = s.positions;
        changed.R2 = 150;
        changed.CF = 8;
        changed.Fi0 = 45;
        s.run.Restart(changed);
        EXPECT_NE(s.run.Series3().StoredY(), before3.StoredY());
        s.run.Restart(s.positions);
        EXPECT_EQ(s.run.Series1().StoredY(), before1.StoredY());
        EXPECT_EQ(s.run.Series3().StoredY(), before3.StoredY());
    }
}

TEST(Run, RecalcWithoutResetContinuesFromTheLastState)
{
    Started s(false);
    s.run.Recalc(s.positions);
    EXPECT_GT(s.run.Series3().YValue(0), 200.0);
}

TEST(Params, ClampKeepsTheLowerLimits)
{
    const struct {
        const SliderParam& param;
        int position;
        int kept;
    } cases[] = {
        {R1Param, 0, 2}, {R1Param, 1, 2}, {R1Param, 2, 2}, {R1Param, 3, 3}, {R1Param, 500, 500},
        {R2Param, 0, 10}, {R2Param, 9, 10}, {R2Param, 10, 10}, {R2Param, 1000, 1000},
        {L1Param, 0, 1}, {L1Param, 1, 1}, {L1Param, 100, 100},
        {R3Param, 0, 0}, {Fi0Param, -180, -180}, {Fi0Param, 180, 180},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.param.Clamp(c.position), c.kept) << c.param.name << " at " << c.position;
}

TEST(Params, PositionsMapToCircuitValues)
{
    EXPECT_EQ(R1Ohm(5), 0.5);
    EXPECT_EQ(R1Ohm(500), 50.0);
    EXPECT_EQ(R2Ohm(300), 300.0);
    EXPECT_EQ(R3Ohm(1), 0.01);
    EXPECT_EQ(L1Henry(1), 1e-4);
    EXPECT_DOUBLE_EQ(Fi0Rad(-180), -3.141592653589793);
    const char* items[] = {"10000", "4700", "2200", "1000", "470", "220", "100", "47", "22"};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(CFItemText(i), items[i]);
    EXPECT_EQ(CValues[CFDesignedItem], 0.00047);
    EXPECT_FALSE(DesignedPositions(false).R3.has_value());
    EXPECT_EQ(DesignedPositions(true).L1, 1);
}

TEST(Captions, StartUpTexts)
{
    Started cap(false);
    EXPECT_EQ(cap.run.captions().Label1, "R1 0,5");
    EXPECT_EQ(cap.run.captions().Label3, "Rн 300");
    EXPECT_EQ(cap.run.captions().Label2, "C1 470 мк");
    EXPECT_EQ(cap.run.captions().Label4, "Начальная фаза 0 град.");
    EXPECT_EQ(cap.run.captions().Label5, "");
    EXPECT_EQ(cap.run.captions().Label6, "");

    Started choke(true, ".");
    EXPECT_EQ(choke.run.captions().Label1, "R1 0.5");
    EXPECT_EQ(choke.run.captions().Label5, "Rп 0.01");
    EXPECT_EQ(choke.run.captions().Label6, "L1 0.1 мГн");
}

TEST(Captions, FollowEveryChange)
{
    const struct {
        void (*change)(Positions&);
        std::string Captions::*label;
        const char* text;
    } cases[] = {
        {[](Positions& p) { p.R1 = 2; }, &Captions::Label1, "R1 0,2"},
        {[](Positions& p) { p.R1 = 500; }, &Captions::Label1, "R1 50,0"},
        {[](Positions& p) { p.R2 = 10; }, &Captions::Label3, "Rн 10"},
        {[](Positions& p) { p.CF = 8; }, &Captions::Label2, "C1 22 мк"},
        {[](Positions& p) { p.CF = 0; }, &Captions::Label2, "C1 10000 мк"},
        {[](Positions& p) { p.Fi0 = -180; }, &Captions::Label4, "Начальная фаза -180 град."},
        {[](Positions& p) { p.Fi0 = 37; }, &Captions::Label4, "Начальная фаза 37 град."},
    };
    for (const auto& c : cases) {
        Started s(true);
        c.change(s.positions);
        s.run.Restart(s.positions);
        EXPECT_EQ(s.run.captions().*c.label, c.text);
    }

    Started s(true);
    s.positions.R3 = 0;
    s.positions.L1 = 100;
    s.run.Restart(s.positions);
    EXPECT_EQ(s.run.captions().Label5, "Rп 0,00");
    EXPECT_EQ(s.run.captions().Label6, "L1 10,0 мГн");
}

TEST(Readout, TextOfAStartUpSample)
{
    Started s(false);
    const SampleSeries& hit = s.run.Series2();
    EXPECT_EQ(ReadoutText(s.run, hit, 50), "t=1,0 мc,  Iвх=44,1 A,  Uвх=96,1 В,  Uн=74,6 В");
    EXPECT_EQ(ReadoutText(s.run, hit, 0), "t=0,0 мc,  Iвх=0,0 A,  Uвх=0,0 В,  Uн=0,0 В");
    // Any of the three series names the same sample.
    EXPECT_EQ(ReadoutText(s.run, s.run.Series3(), 50), ReadoutText(s.run, s.run.Series1(), 50));

    Started point(true, ".");
    EXPECT_EQ(ReadoutText(point.run, point.run.Series1(), 0), "t=0.0 мc,  Iвх=0.0 A,  Uвх=0.0 В,  Uн=0.0 В");
}

TEST(Readout, NeverShowsANegativeZero)
{
    for (const Circuit& c : Circuits) {
        Started s(c.choke);
        // At the zero crossings the source lands a hair below zero.
        const std::size_t crossing = 2 * c.stepsPerHalfPeriod;
        ASSERT_LT(s.run.Series2().YValue(crossing), 0.0);
        EXPECT_NE(ReadoutText(s.run, s.run.Series2(), crossing).find("Uвх=0,0 В"), std::string::npos);
        for (std::size_t i = 0; i < s.run.Series1().Count(); ++i)
            ASSERT_EQ(ReadoutText(s.run, s.run.Series1(), i).find("-0,0 "), std::string::npos) << i;
    }
}

}  // namespace
