#pragma once

#include <array>
#include <optional>
#include <string>

// Positions of the parameter controls, which is all a run reads from the window.
// The designed positions are the start-up values.
struct Positions {
    int R1 = 5;             // R1track: series resistance in tenths of an ohm
    int R2 = 300;           // R2track: load in ohms
    int Fi0 = 0;            // Fi0track: initial phase in degrees
    int CF = 4;             // CFGroup: item of CValues
    std::optional<int> R3;  // R3track: capacitor series resistance in hundredths of an ohm
    std::optional<int> L1;  // L1track: choke in tenths of a millihenry
};

// A slider's range, designed position, tick spacing and lower limit. A position stands
// for a value with `decimals` decimals in the unit the captions show.
struct SliderParam {
    const char* name;
    int minimum;
    int maximum;
    int designed;
    int tickInterval;
    int lowerLimit;  // equals minimum where the slider has no limit of its own
    int decimals;

    // The position a handler keeps: below the lower limit it snaps up to it.
    constexpr int Clamp(int position) const { return position < lowerLimit ? lowerLimit : position; }
};

inline constexpr SliderParam R1Param{"R1track", 0, 500, 5, 50, 2, 1};
inline constexpr SliderParam R2Param{"R2track", 0, 1000, 300, 50, 10, 0};
inline constexpr SliderParam Fi0Param{"Fi0track", -180, 180, 0, 30, -180, 0};
inline constexpr SliderParam R3Param{"R3track", 0, 100, 1, 10, 0, 2};
inline constexpr SliderParam L1Param{"L1track", 0, 100, 1, 10, 1, 1};

// Capacitances of the CFGroup items in farads, in item order (10000 uF down to 22 uF).
inline constexpr std::array<double, 9> CValues{0.01,     0.0047,   0.0022,  0.001,   0.00047,
                                               0.00022,  0.0001,   0.000047, 0.000022};
inline constexpr int CFDesignedItem = 4;

// Item texts of CFGroup, in microfarads as the capacitor caption shows them.
std::string CFItemText(int item);

// Position-to-model mappings, written as the circuit quantities are defined.
inline double R1Ohm(int position) { return position / 10.0; }
inline double R2Ohm(int position) { return position; }
inline double R3Ohm(int position) { return position / 100.0; }
inline double L1Henry(int position) { return position * 1e-4; }
double Fi0Rad(int position);

// The designed positions of a circuit; the choke-filter circuit has R3 and L1 too.
Positions DesignedPositions(bool chokeFilter);
