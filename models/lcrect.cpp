#include "models/lcrect.h"

#include <cmath>

tLCRect::tLCRect() : tModel(1e-5)
{
    C.resize(2);
    R.resize(4);
    L.resize(2);
    State.resize(3);
    SetC(1, 0.00047);
    SetR(1, 0.5);
    SetR(2, 75.0);
    SetR(3, 0.0);
    State[0] = 0.0;
    State[1] = 0.0;
}

void tLCRect::Step(double u)
{
    const double uc = State[0];
    const double il = State[1];
    const double a = std::fabs(u);

    // The bridge conducts while it would hold node A above the return rail, that is while
    // the source exceeds the drop the choke current makes across R[1]; below that the
    // freewheeling diode carries the choke current and clamps node A at 0 V.
    double i = 0.0;
    double ud = 0.0;
    if (a > il * R[1]) {
        i = il;
        ud = a - il * R[1];
    } else {
        i = a / R[1];
    }

    // Node B from the current balance: the choke current splits between the load and
    // the capacitor branch, (g - Uc) / R[3] + g / R[2] = iL.
    const double g = R[2] / (R[2] + R[3]) * (uc + il * R[3]);

    State[0] = uc + dt * (il - g / R[2]) / C[1];
    State[1] = il + (ud - g) * dt / (L[1] + ExtraInductance);
    if (State[1] < 0.0)
        State[1] = 0.0;  // the bridge cannot carry reverse current

    // Outputs describe the start of the step.
    Iin = i;
    Uin = u;
    Uout = g;
}
