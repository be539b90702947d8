#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

#include <string>
#include <vector>

#include "run/params.h"
#include "run/run.h"
#include "window/schematic.h"

// What differs between the two programs, as data: texts, positions and sizes of every
// control in window pixels, and the circuit picture.

enum class Input { R1, R2, Fi0, R3, L1 };

struct SliderPlace {
    Input input;
    QRect box;
};

// A fixed text: never changes, keeps its size, opaque button-face ground.
struct FixedText {
    const char* name;
    QRect box;
    QString text;
    QColor colour = Qt::black;
    bool bold = false;
};

// A caption that sizes itself to the text every run writes.
struct CaptionPlace {
    const char* name;
    QPoint at;
    std::string Captions::*text;
    bool transparent;
};

struct ProgramLayout {
    QString programName;  // titles the readout's message box
    QRect chart;
    QRect imaxGroup;
    QString imaxTitle;
    QRect groupBox1;
    QRect shrinkButton;   // within GroupBox1
    QRect growButton;     // within GroupBox1
    QRect cfGroup;
    std::vector<SliderPlace> sliders;
    std::vector<FixedText> sliderTexts;
    std::vector<CaptionPlace> captions;
    QRect image1;
    Schematic schematic;
    std::vector<FixedText> annotations;
};
