// Renders both windows offscreen to PNG files, at start-up and in a few other states.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>

#include <cstdio>
#include <functional>

#include "programs/catalogue.h"
#include "window/radio_group.h"
#include "window/tform1.h"

namespace {

struct State {
    const char* name;
    std::function<void(TForm1&)> apply;
};

void Click(QAbstractButton* b, int times = 1)
{
    for (int i = 0; i < times; ++i)
        b->click();
}

const State States[] = {
    {"startup", [](TForm1&) {}},
    {"20-half-periods", [](TForm1& f) { Click(f.findChild<QToolButton*>("GrowButton"), 17); }},
    {"16A-scale", [](TForm1& f) { Click(f.findChild<RadioGroup*>("ImaxGroup")->item(5)); }},
    {"phase-90", [](TForm1& f) { f.findChild<QSlider*>("Fi0track")->setValue(90); }},
    {"22uF", [](TForm1& f) { Click(f.findChild<RadioGroup*>("CFGroup")->item(8)); }},
};

}  // namespace

int main(int argc, char** argv)
{
    PreferOffscreen();
    QApplication app(argc, argv);
    SetUpApplication();
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("snapshots");
    QDir().mkpath(dir);

    for (const ProgramEntry& program : Programs) {
        for (const State& state : States) {
            const auto form = OpenProgram(program.name);
            state.apply(*form);
            const QString path = QStringLiteral("%1/%2-%3.png").arg(dir, program.name, state.name);
            if (!form->grab().save(path)) {
                std::fprintf(stderr, "window-snapshot: cannot write %s\n", qPrintable(path));
                return 1;
            }
            std::printf("%s\n", qPrintable(path));
        }

        // The readout of the sample at 1 ms, as its message box shows it.
        const auto form = OpenProgram(program.name);
        const Run& run = form->run();
        const std::string text = ReadoutText(run, run.Series2(), run.Series2().Count() / 30);
        const auto box = TForm1::MakeMessageBox(form.get(), program.layout().programName, QString::fromStdString(text));
        box->show();
        const QString path = QStringLiteral("%1/%2-readout.png").arg(dir, program.name);
        if (!box->grab().save(path)) {
            std::fprintf(stderr, "window-snapshot: cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}
