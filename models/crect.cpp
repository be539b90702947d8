#include "models/crect.h"

#include <cmath>

tCRect::tCRect() : tModel(2e-5)
{
    C.resize(2);
    R.resize(3);
    State.resize(2);
    SetC(1, 0.00047);
    SetR(1, 0.5);
    SetR(2, 75.0);
}

void tCRect::Step(double u)
{
    const double uc = State[0];
    const double d = std::fabs(u) - uc;  // the absolute value is the full-wave action
    // The bridge carries current only while the source exceeds the capacitor by the drop.
    const double i = d <= BridgeDrop ? 0.0 : (d - BridgeDrop) / R[1];
    const double iload = uc / R[2];
    State[0] = uc + dt * (i - iload) / C[1];
    Iin = i;
    Uin = u;
    Uout = State[0];
}
