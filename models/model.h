#pragma once

#include <vector>

// Base of the rectifier circuit models. Element arrays are one-based (slot 0 is
// never used) so element numbers match the schematic; the state vector is zero-based.
class tModel {
public:
    explicit tModel(double step) : dt(step) {}
    virtual ~tModel() = default;

    tModel(const tModel&) = delete;
    tModel& operator=(const tModel&) = delete;

    std::vector<double> R;      // ohm
    std::vector<double> C;      // farad
    std::vector<double> L;      // henry
    std::vector<double> State;  // integrator state, per model
    const double dt;            // integration step, s
    double Iin = 0.0;           // input current of the last step, A
    double Uin = 0.0;           // source voltage handed to the last step, V
    double Uout = 0.0;          // load voltage of the last step, V

    // Back to rest; element values, dt and the last outputs are kept.
    void Reset();

    double GetR(int index) const { return R[index]; }
    void SetR(int index, double value) { R[index] = value; }
    double GetC(int index) const { return C[index]; }
    void SetC(int index, double value) { C[index] = value; }
    double GetL(int index) const { return L[index]; }
    void SetL(int index, double value) { L[index] = value; }

    // Advances the circuit by dt for source voltage u. The base circuit has nothing to advance.
    virtual void Step(double u);
};
