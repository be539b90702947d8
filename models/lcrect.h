#pragma once

#include "models/model.h"

// Choke-filter rectifier: bridge, series resistance R[1] to node A, freewheeling diode
// from A to the return rail, choke L[1] from A to node B, and at B the capacitor C[1]
// in series with R[3], with the load R[2] across B.
class tLCRect final : public tModel {
public:
    tLCRect();
    void Step(double u) override;

    static constexpr double ExtraInductance = 1e-6;  // always added, H
};
