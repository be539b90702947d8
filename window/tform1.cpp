#include "window/tform1.h"

#include <QApplication>
#include <QFont>
#include <QLocale>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QSlider>
#include <QToolButton>

#include "window/chart.h"
#include "window/radio_group.h"
#include "window/schematic.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

namespace {

// Qt's drawing uses wide vector code and can leave the upper halves of the vector
// registers dirty; the run's scalar maths then pays a transition cost on every
// instruction (measured: a run of 20 half-periods slowed from 0.3 to 1 ms after a paint).
// Clearing that state before a run removes the cost.
#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target("avx"))) void ZeroUpper()
{
    _mm256_zeroupper();
}

void BeforeNumericWork()
{
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx)
        ZeroUpper();
}
#else
void BeforeNumericWork() {}
#endif

const SliderParam& ParamOf(Input input)
{
    switch (input) {
    case Input::R1: return R1Param;
    case Input::R2: return R2Param;
    case Input::Fi0: return Fi0Param;
    case Input::R3: return R3Param;
    case Input::L1: return L1Param;
    }
    return R1Param;
}

QStringList Items(int count, std::string (*text)(int))
{
    QStringList items;
    for (int i = 0; i < count; ++i)
        items << QString::fromStdString(text(i));
    return items;
}

std::string ImaxItemText(int item)
{
    return std::to_string(static_cast<int>(ImaxValues[item]));
}

QPalette ButtonFaceGround(QPalette palette)
{
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    return palette;
}

}  // namespace

TForm1::TForm1(const ProgramLayout& layout, const ModelFactory& makeModel, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      layout_(layout)
{
    FormCreate(makeModel);
}

TForm1::~TForm1() = default;

void TForm1::FormCreate(const ModelFactory& makeModel)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Модель выпрямителя"));
    setPalette(ButtonFaceGround(palette()));
    setAutoFillBackground(true);
    resize(ClientWidth, ClientHeight);
    move(187, 168);

    // Controls at their designed positions first; handlers only once the run stands.
    BuildControls();
    Model = makeModel();
    run_ = std::make_unique<Run>(*Model, locale().decimalPoint().toStdString());
    run_->StartUp(CurrentPositions());
    Chart1->setSeries(&run_->Series1(), &run_->Series2(), &run_->Series3());
    ShowRun();
    SetTabOrder();
    ConnectHandlers();
}

void TForm1::BuildControls()
{
    const ProgramLayout& l = layout_;

    Chart1 = new Chart(this);
    Chart1->setGeometry(l.chart);

    ImaxGroup = new RadioGroup(l.imaxTitle, Items(ImaxValues.size(), ImaxItemText), ImaxValues.size(), 0, this);
    ImaxGroup->setObjectName(QStringLiteral("ImaxGroup"));
    ImaxGroup->setGeometry(l.imaxGroup);

    auto* group = new QGroupBox(QStringLiteral("Развертка"), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setGeometry(l.groupBox1);
    const auto arrow = [group](const char* name, const QString& text, const QRect& box) {
        auto* b = new QToolButton(group);
        b->setObjectName(QLatin1String(name));
        b->setText(text);
        b->setGeometry(box);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    ShrinkButton = arrow("ShrinkButton", QStringLiteral("<---"), l.shrinkButton);
    GrowButton = arrow("GrowButton", QStringLiteral("--->"), l.growButton);

    for (const SliderPlace& place : l.sliders) {
        const SliderParam& param = ParamOf(place.input);
        auto* s = new QSlider(Qt::Horizontal, this);
        s->setObjectName(QLatin1String(param.name));
        s->setGeometry(place.box);
        s->setRange(param.minimum, param.maximum);
        s->setValue(param.designed);
        s->setTickPosition(QSlider::TicksBelow);
        s->setTickInterval(param.tickInterval);
        s->setSingleStep(1);
        s->setPageStep(2);
        sliders_[place.input] = s;
    }
    // Created after the sliders, so that each lies over the slider it names.
    for (const FixedText& t : l.sliderTexts)
        AddFixedText(t);

    CFGroup = new RadioGroup(QStringLiteral("C1, мкФ"), Items(CValues.size(), CFItemText), 3, CFDesignedItem, this);
    CFGroup->setObjectName(QStringLiteral("CFGroup"));
    CFGroup->setGeometry(l.cfGroup);

    auto* picture = new SchematicView(l.schematic, this);
    picture->setGeometry(l.image1);
    for (const FixedText& t : l.annotations)
        AddFixedText(t);

    for (const CaptionPlace& c : l.captions) {
        auto* label = new QLabel(this);
        label->setObjectName(QLatin1String(c.name));
        label->move(c.at);
        label->setAutoFillBackground(!c.transparent);
        captions_.emplace_back(label, c.text);
    }
}

void TForm1::AddFixedText(const FixedText& t)
{
    auto* label = new QLabel(t.text, this);
    label->setObjectName(QLatin1String(t.name));
    label->setGeometry(t.box);
    label->setAutoFillBackground(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, t.colour);
    label->setPalette(pal);
    QFont f = label->font();
    f.setBold(t.bold);
    label->setFont(f);
}

void TForm1::SetTabOrder()
{
    // ImaxGroup, R1track, Fi0track, R2track, CFGroup, then the choke program's R3track and L1track.
    std::vector<QWidget*> chain;
    for (int i = 0; i < ImaxGroup->count(); ++i)
        chain.push_back(ImaxGroup->item(i));
    for (const Input input : {Input::R1, Input::Fi0, Input::R2})
        chain.push_back(sliders_.at(input));
    for (int i = 0; i < CFGroup->count(); ++i)
        chain.push_back(CFGroup->item(i));
    for (const Input input : {Input::R3, Input::L1})
        if (sliders_.count(input))
            chain.push_back(sliders_.at(input));
    for (std::size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void TForm1::ConnectHandlers()
{
    using Handler = void (TForm1::*)();
    const std::map<Input, Handler> handlers = {
        {Input::R1, &TForm1::R1trackChange}, {Input::R2, &TForm1::R2trackChange},
        {Input::Fi0, &TForm1::Fi0trackChange}, {Input::R3, &TForm1::R3trackChange},
        {Input::L1, &TForm1::L1trackChange},
    };
    for (const auto& [input, slider] : sliders_)
        connect(slider, &QSlider::valueChanged, this, handlers.at(input));
    connect(CFGroup, &RadioGroup::clicked, this, &TForm1::CFGroupClick);
    connect(ImaxGroup, &RadioGroup::clicked, this, &TForm1::ImaxGroupClick);
    connect(ShrinkButton, &QToolButton::clicked, this, &TForm1::ShrinkButtonClick);
    connect(GrowButton, &QToolButton::clicked, this, &TForm1::GrowButtonClick);
    connect(Chart1, &Chart::clickSeries, this, &TForm1::Chart1ClickSeries);
}

Positions TForm1::CurrentPositions() const
{
    Positions p;
    p.R1 = sliders_.at(Input::R1)->value();
    p.R2 = sliders_.at(Input::R2)->value();
    p.Fi0 = sliders_.at(Input::Fi0)->value();
    p.CF = CFGroup->itemIndex();
    if (sliders_.count(Input::R3))
        p.R3 = sliders_.at(Input::R3)->value();
    if (sliders_.count(Input::L1))
        p.L1 = sliders_.at(Input::L1)->value();
    return p;
}

void TForm1::Rerun()
{
    BeforeNumericWork();
    run_->Restart(CurrentPositions());
    ShowRun();
}

void TForm1::ShowRun()
{
    for (const auto& [label, text] : captions_) {
        label->setText(QString::fromStdString(run_->captions().*text));
        label->adjustSize();
    }
    ShrinkButton->setEnabled(run_->ShrinkEnabled());
    GrowButton->setEnabled(run_->GrowEnabled());
    Chart1->dataChanged();
}

void TForm1::TrackChange(Input input)
{
    QSlider* slider = sliders_.at(input);
    const int kept = ParamOf(input).Clamp(slider->value());
    if (kept != slider->value()) {
        slider->setValue(kept);  // notifies again, and that call runs with the kept position
        return;
    }
    Rerun();
}

void TForm1::R1trackChange() { TrackChange(Input::R1); }
void TForm1::R2trackChange() { TrackChange(Input::R2); }
void TForm1::Fi0trackChange() { TrackChange(Input::Fi0); }
void TForm1::R3trackChange() { TrackChange(Input::R3); }
void TForm1::L1trackChange() { TrackChange(Input::L1); }

void TForm1::CFGroupClick()
{
    Rerun();
}

void TForm1::ImaxGroupClick()
{
    Chart1->setLeftMaximum(ImaxValues[ImaxGroup->itemIndex()]);
}

void TForm1::ShrinkButtonClick()
{
    BeforeNumericWork();
    run_->ShrinkButtonClick(CurrentPositions());
    ShowRun();
}

void TForm1::GrowButtonClick()
{
    BeforeNumericWork();
    run_->GrowButtonClick(CurrentPositions());
    ShowRun();
}

void TForm1::Chart1ClickSeries(int series, int index)
{
    const SampleSeries* hit[] = {&run_->Series1(), &run_->Series2(), &run_->Series3()};
    const std::string text = ReadoutText(*run_, *hit[series], static_cast<std::size_t>(index));
    showMessage_(this, layout_.programName, QString::fromStdString(text));
}

std::unique_ptr<QMessageBox> TForm1::MakeMessageBox(QWidget* parent, const QString& title, const QString& text)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box->adjustSize();
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        box->move(screen->geometry().center() - box->rect().center());
    return box;
}

void TForm1::ShowMessageBox(QWidget* parent, const QString& title, const QString& text)
{
    MakeMessageBox(parent, title, text)->exec();
}

void SetUpApplication()
{
    QApplication::setStyle(QStringLiteral("Windows"));
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"), QStringLiteral("Arial")});
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    QApplication::setFont(font);
}

int RunProgram(int argc, char** argv, const ProgramLayout& layout, const TForm1::ModelFactory& makeModel)
{
    QApplication app(argc, argv);
    SetUpApplication();
    TForm1 form(layout, makeModel);
    form.show();
    return app.exec();
}
