// What a slider change costs end to end, and what the chart's repaint costs, at the
// shortest and the longest sweep.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QSlider>
#include <QToolButton>

#include <memory>
#include <string>

#include "programs/catalogue.h"
#include "window/chart.h"
#include "window/tform1.h"

namespace {

std::unique_ptr<TForm1> FormAt(const ProgramEntry& program, int halfPeriods)
{
    auto form = OpenProgram(program.name);
    while (form->run().halfPeriods() < halfPeriods)
        form->findChild<QToolButton*>("GrowButton")->click();
    while (form->run().halfPeriods() > halfPeriods)
        form->findChild<QToolButton*>("ShrinkButton")->click();
    return form;
}

QImage ImageFor(const QWidget& w)
{
    const qreal ratio = w.devicePixelRatioF();
    QImage image(w.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    return image;
}

void Change(benchmark::State& state, const ProgramEntry& program, int halfPeriods)
{
    const auto form = FormAt(program, halfPeriods);
    QSlider* load = form->findChild<QSlider*>("R2track");
    QImage image = ImageFor(*form);
    int step = 0;
    for (auto _ : state) {
        load->setValue(300 + (++step & 1));  // the handler runs the whole run
        form->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void Paint(benchmark::State& state, const ProgramEntry& program, int halfPeriods)
{
    const auto form = FormAt(program, halfPeriods);
    Chart* chart = form->findChild<Chart*>("Chart1");
    QImage image = ImageFor(*chart);
    for (auto _ : state) {
        chart->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

}  // namespace

int main(int argc, char** argv)
{
    PreferOffscreen();
    QApplication app(argc, argv);
    SetUpApplication();
    for (const ProgramEntry& program : Programs) {
        for (const int halfPeriods : {1, 20}) {
            const std::string suffix = std::string(program.name) + "/" + std::to_string(halfPeriods);
            benchmark::RegisterBenchmark(("Change/" + suffix).c_str(), Change, program, halfPeriods)
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(("Paint/" + suffix).c_str(), Paint, program, halfPeriods)
                ->Unit(benchmark::kMillisecond);
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
