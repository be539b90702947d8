#include "models/lcrect.h"
#include "programs/dravik/dravik.h"

std::unique_ptr<tModel> DravikModel()
{
    return std::make_unique<tLCRect>();
}

const ProgramLayout& DravikLayout()
{
    static const ProgramLayout layout{
        .programName = QStringLiteral("Dravik"),
        .chart = {4, 0, 505, 250},
        .imaxGroup = {4, 256, 269, 41},
        .imaxTitle = QStringLiteral("Шкала I, A"),  // Latin A
        .groupBox1 = {416, 256, 73, 41},
        .shrinkButton = {8, 16, 23, 22},
        .growButton = {40, 16, 23, 22},
        .cfGroup = {510, 183, 163, 66},
        .sliders =
            {
                {Input::R1, {523, 3, 150, 27}},
                {Input::R3, {523, 35, 150, 27}},
                {Input::L1, {523, 72, 150, 27}},
                {Input::R2, {523, 99, 150, 27}},
                {Input::Fi0, {510, 131, 163, 27}},
            },
        .sliderTexts =
            {
                {"StaticText4", {512, 8, 18, 17}, QStringLiteral("Rд")},
                {"StaticText6", {512, 37, 18, 17}, QStringLiteral("Rп")},
                {"StaticText7", {512, 77, 16, 17}, QStringLiteral("L1")},
                {"StaticText5", {512, 104, 18, 17}, QStringLiteral("Rн")},
            },
        .captions =
            {
                {"Label4", {512, 160}, &Captions::Label4, true},
                {"Label1", {230, 340}, &Captions::Label1, true},
                {"Label6", {304, 340}, &Captions::Label6, false},
                {"Label2", {408, 382}, &Captions::Label2, false},
                {"Label5", {404, 422}, &Captions::Label5, false},
                {"Label3", {524, 402}, &Captions::Label3, false},
            },
        .image1 = {96, 312, 500, 160},
        .schematic = DravikSchematic(),
        .annotations =
            {
                {"StaticText1", {112, 336, 27, 17}, QStringLiteral("Uвх"), QColor(0, 128, 0), true},
                {"StaticText2", {272, 332, 16, 17}, QStringLiteral("I1"), QColor(255, 0, 0), true},
                {"StaticText3", {480, 400, 21, 17}, QStringLiteral("Uн"), QColor(255, 255, 0), true},
            },
    };
    return layout;
}
