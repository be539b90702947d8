#pragma once

#include "models/model.h"

// Capacitor-filter rectifier: bridge, series resistance R[1], capacitor C[1] across the load R[2].
class tCRect final : public tModel {
public:
    tCRect();
    void Step(double u) override;

    static constexpr double BridgeDrop = 1.4;  // two conducting diodes, V
};
