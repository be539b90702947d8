#pragma once

#include <QWidget>

#include <array>
#include <functional>
#include <map>
#include <memory>

#include "models/model.h"
#include "run/run.h"
#include "window/layout.h"

class Chart;
class QLabel;
class QMessageBox;
class QSlider;
class QToolButton;
class RadioGroup;

// Left-axis maxima of the current-scale items, in amperes.
inline constexpr std::array<double, 6> ImaxValues{800, 400, 160, 80, 40, 16};

// The simulator window shared by both programs: chart, current scale, sweep buttons,
// parameter controls, captions and circuit picture, placed by the program's layout.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    using ModelFactory = std::function<std::unique_ptr<tModel>()>;
    // Shows the readout; a test puts its own in place of the modal message box.
    using MessageSink = std::function<void(QWidget* parent, const QString& title, const QString& text)>;

    static constexpr int ClientWidth = 677;   // 685 x 510 outside, less the frame
    static constexpr int ClientHeight = 483;

    TForm1(const ProgramLayout& layout, const ModelFactory& makeModel, QWidget* parent = nullptr);
    ~TForm1() override;

    const Run& run() const { return *run_; }
    void setMessageSink(MessageSink sink) { showMessage_ = std::move(sink); }

    // The readout's message box: the text, one OK button, no icon, centred on the screen.
    static std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, const QString& title, const QString& text);
    // What the readout does by default: shows that box modally until it is closed.
    static void ShowMessageBox(QWidget* parent, const QString& title, const QString& text);

public slots:
    void R1trackChange();
    void R2trackChange();
    void Fi0trackChange();
    void R3trackChange();
    void L1trackChange();
    void CFGroupClick();
    void ImaxGroupClick();
    void ShrinkButtonClick();
    void GrowButtonClick();
    void Chart1ClickSeries(int series, int index);

private:
    void FormCreate(const ModelFactory& makeModel);
    void BuildControls();
    void AddFixedText(const FixedText& t);
    void ConnectHandlers();
    void SetTabOrder();
    Positions CurrentPositions() const;
    void TrackChange(Input input);
    void Rerun();
    void ShowRun();

    const ProgramLayout& layout_;
    std::unique_ptr<tModel> Model;
    std::unique_ptr<Run> run_;
    MessageSink showMessage_ = ShowMessageBox;

    Chart* Chart1 = nullptr;
    RadioGroup* ImaxGroup = nullptr;
    RadioGroup* CFGroup = nullptr;
    QToolButton* ShrinkButton = nullptr;
    QToolButton* GrowButton = nullptr;
    std::map<Input, QSlider*> sliders_;
    std::vector<std::pair<QLabel*, std::string Captions::*>> captions_;
};

// Sets the application's look as the windows expect it: the style, and the 8-point
// "MS Sans Serif" at 11 pixels, through a face with Cyrillic where it is missing.
void SetUpApplication();

// The whole program: application, its one window, the event loop.
int RunProgram(int argc, char** argv, const ProgramLayout& layout, const TForm1::ModelFactory& makeModel);
