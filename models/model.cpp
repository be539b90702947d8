#include "models/model.h"

#include <algorithm>

void tModel::Reset()
{
    std::fill(State.begin(), State.end(), 0.0);
}

void tModel::Step(double) {}
