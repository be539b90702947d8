#include "models/crect.h"
#include "programs/pontel/pontel.h"

std::unique_ptr<tModel> PontelModel()
{
    return std::make_unique<tCRect>();
}

const ProgramLayout& PontelLayout()
{
    static const ProgramLayout layout{
        .programName = QStringLiteral("Pontel"),
        .chart = {4, 0, 505, 250},
        .imaxGroup = {4, 256, 401, 41},
        .imaxTitle = QStringLiteral("Предел измерения I, A"),  // Latin A
        .groupBox1 = {400, 256, 73, 41},
        .shrinkButton = {8, 16, 23, 22},
        .growButton = {40, 16, 23, 22},
        .cfGroup = {510, 183, 163, 66},
        .sliders =
            {
                {Input::R1, {510, 0, 163, 27}},
                {Input::R2, {510, 56, 163, 27}},
                {Input::Fi0, {510, 112, 163, 27}},
            },
        .sliderTexts =
            {
                {"StaticText4", {584, 32, 18, 17}, QStringLiteral("R1")},
                {"StaticText5", {584, 88, 18, 17}, QStringLiteral("Rн")},
            },
        .captions =
            {
                {"Label4", {520, 144}, &Captions::Label4, true},
                {"Label1", {296, 344}, &Captions::Label1, true},
                {"Label2", {390, 390}, &Captions::Label2, false},
                {"Label3", {512, 390}, &Captions::Label3, false},
            },
        .image1 = {160, 320, 401, 120},
        .schematic = PontelSchematic(),
        .annotations =
            {
                {"StaticText1", {184, 344, 27, 17}, QStringLiteral("Uвх"), QColor(0, 128, 0), true},
                {"StaticText2", {344, 340, 22, 17}, QStringLiteral("Iвх"), QColor(255, 0, 0), true},
                {"StaticText3", {464, 392, 21, 17}, QStringLiteral("Uн"), QColor(255, 255, 0), true},
            },
    };
    return layout;
}
