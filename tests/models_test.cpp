// The two circuits, stepped by hand from rest with the mains at phase 0.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "models/crect.h"
#include "models/lcrect.h"

namespace {

double Mains(int k, double dt)
{
    return 220 * std::sqrt(2.0) * std::sin(k * 2 * std::numbers::pi * 50 * dt);
}

void SetDefaults(tModel& m)
{
    m.SetR(1, 0.5);
    m.SetR(2, 300);
    m.SetC(1, 470e-6);
    if (m.R.size() > 3) {
        m.SetR(3, 0.01);
        m.SetL(1, 1e-4);
    }
}

struct StepCase {
    int step;
    double iin;
    double uout;
    double tolerance;
};

TEST(CRect, ConstructionDefaults)
{
    tCRect m;
    EXPECT_EQ(m.dt, 2e-5);
    EXPECT_EQ(m.R.size(), 3u);
    EXPECT_EQ(m.C.size(), 2u);
    EXPECT_TRUE(m.L.empty());
    EXPECT_EQ(m.State.size(), 2u);
    EXPECT_EQ(m.GetR(1), 0.5);
    EXPECT_EQ(m.GetR(2), 75.0);
    EXPECT_EQ(m.GetC(1), 0.00047);
}

TEST(CRect, FirstStepsFromRest)
{
    tCRect m;
    SetDefaults(m);
    const StepCase cases[] = {{0, 0.0, 0.0, 0.0}, {1, 1.11, 0.047, 0.005}, {2, 4.92, 0.257, 0.005}};
    for (const StepCase& c : cases) {
        const double u = Mains(c.step, m.dt);
        m.Step(u);
        SCOPED_TRACE(c.step);
        EXPECT_NEAR(m.Iin, c.iin, c.tolerance);
        EXPECT_NEAR(m.Uout, c.uout, c.tolerance);
        EXPECT_EQ(m.Uin, u);
        EXPECT_EQ(m.Uout, m.State[0]);  // reports the updated capacitor voltage
    }
}

TEST(CRect, BlockedBridgeIsAPureDischarge)
{
    tCRect m;
    SetDefaults(m);
    // A difference of exactly the bridge drop still blocks.
    const struct {
        double uc;
        double u;
    } cases[] = {{100.0, 0.0}, {100.0, 50.0}, {100.0, -101.0}, {0.0, 1.4}, {0.0, -1.4}};
    for (const auto& c : cases) {
        m.State[0] = c.uc;
        m.Step(c.u);
        SCOPED_TRACE(c.u);
        EXPECT_EQ(m.Iin, 0.0);
        EXPECT_NEAR(m.Uout, c.uc * (1 - m.dt / (300 * 470e-6)), 1e-12);
    }
}

TEST(LCRect, ConstructionDefaults)
{
    tLCRect m;
    EXPECT_EQ(m.dt, 1e-5);
    EXPECT_EQ(m.R.size(), 4u);
    EXPECT_EQ(m.L.size(), 2u);
    EXPECT_EQ(m.State.size(), 3u);
    EXPECT_EQ(m.GetR(2), 75.0);
    EXPECT_EQ(m.GetR(3), 0.0);
    EXPECT_EQ(m.GetL(1), 0.0);
}

TEST(LCRect, FirstStepsFromRest)
{
    tLCRect m;
    SetDefaults(m);
    // Outputs describe the start of each step; the choke current shows a step later.
    const StepCase cases[] = {{0, 0.0, 0.0, 0.0}, {1, 0.0, 0.0, 0.0}, {2, 0.0968, 0.00097, 0.00005}};
    for (const StepCase& c : cases) {
        m.Step(Mains(c.step, m.dt));
        SCOPED_TRACE(c.step);
        EXPECT_NEAR(m.Iin, c.iin, c.tolerance);
        EXPECT_NEAR(m.Uout, c.uout, c.tolerance);
        if (c.step == 0) {
            EXPECT_EQ(m.State[1], 0.0);
        } else if (c.step == 1) {
            EXPECT_NEAR(m.State[1], 0.0968, 0.0001);
        }
    }
}

TEST(LCRect, WithoutCapacitorResistanceTheLoadSeesTheCapacitor)
{
    tLCRect m;
    SetDefaults(m);
    m.SetR(3, 0.0);
    for (int k = 0; k < 2000; ++k) {
        const double uc = m.State[0];
        m.Step(Mains(k, m.dt));
        ASSERT_EQ(m.Uout, uc) << "step " << k;
    }
}

// Node A stays at or above the return rail: whatever the bridge delivers, the source
// drives it through the series resistance, so Iin * Rd never exceeds |u|.
TEST(LCRect, NodeANeverGoesNegative)
{
    for (const double rd : {0.2, 0.5, 1.0, 2.0, 10.0, 50.0}) {
        for (const double phase : {0.0, 90.0, -45.0}) {
            tLCRect m;
            SetDefaults(m);
            m.SetR(1, rd);
            for (int k = 0; k < 3000; ++k) {
                const double u = 220 * std::sqrt(2.0) * std::sin(phase * std::numbers::pi / 180 + k * std::numbers::pi / 1000);
                m.Step(u);
                ASSERT_LE(m.Iin * rd, std::fabs(u) * (1 + 1e-12)) << "Rd " << rd << " phase " << phase << " step " << k;
                ASSERT_GE(m.State[1], 0.0);
            }
        }
    }
}

TEST(LCRect, FreewheelingShowsTheSourceThroughTheSeriesResistance)
{
    tLCRect m;
    SetDefaults(m);
    m.State[1] = 5.0;  // choke current; 5 A * 0.5 ohm needs 2.5 V to keep the bridge on
    m.Step(2.0);
    EXPECT_EQ(m.Iin, 2.0 / 0.5);
    m.State[1] = 5.0;
    m.Step(-3.0);
    EXPECT_EQ(m.Iin, 5.0);
}

TEST(LCRect, ChokeCurrentIsClampedAtZero)
{
    tLCRect m;
    SetDefaults(m);
    m.State[0] = 300.0;  // charged capacitor, source at zero: the choke would reverse
    m.Step(0.0);
    EXPECT_EQ(m.State[1], 0.0);
}

TEST(Model, ResetClearsOnlyTheState)
{
    tLCRect m;
    SetDefaults(m);
    m.Reset();
    for (double s : m.State)
        EXPECT_EQ(s, 0.0);
    for (int k = 0; k < 500; ++k)
        m.Step(Mains(k, m.dt));
    const double iin = m.Iin, uin = m.Uin, uout = m.Uout;
    ASSERT_NE(m.State[0], 0.0);
    m.SetR(2, 300);
    m.Reset();
    m.Reset();
    for (double s : m.State)
        EXPECT_EQ(s, 0.0);
    EXPECT_EQ(m.Iin, iin);
    EXPECT_EQ(m.Uin, uin);
    EXPECT_EQ(m.Uout, uout);
    EXPECT_EQ(m.GetR(2), 300.0);
    EXPECT_EQ(m.dt, 1e-5);
}

TEST(Model, BareModelStepChangesNothing)
{
    tModel m(1e-3);
    m.Step(100.0);
    EXPECT_EQ(m.Iin, 0.0);
    EXPECT_EQ(m.Uin, 0.0);
    EXPECT_EQ(m.Uout, 0.0);
    EXPECT_TRUE(m.State.empty());
}

}  // namespace
