#include "run/params.h"

#include <numbers>

#include "run/format.h"

std::string CFItemText(int item)
{
    return FormatFixed(CValues[item] * 1000000, 0, ".");
}

double Fi0Rad(int position)
{
    return position * std::numbers::pi / 180;
}

Positions DesignedPositions(bool chokeFilter)
{
    Positions p{R1Param.designed, R2Param.designed, Fi0Param.designed, CFDesignedItem, {}, {}};
    if (chokeFilter) {
        p.R3 = R3Param.designed;
        p.L1 = L1Param.designed;
    }
    return p;
}
