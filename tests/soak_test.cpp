// Thousands of changes in one process, as a class of students would make them.
#include <QImage>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string_view>
#include <unistd.h>

#include "programs/catalogue.h"
#include "window/radio_group.h"
#include "window/tform1.h"

namespace {

// Resident memory of this process, in kilobytes.
long ResidentKb()
{
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

std::size_t Fingerprint(const Run& run)
{
    std::size_t h = 0;
    for (const SampleSeries* s : {&run.Series1(), &run.Series2(), &run.Series3()}) {
        const auto& y = s->StoredY();
        h = h * 31 + std::hash<std::string_view>()(
                         std::string_view(reinterpret_cast<const char*>(y.data()), y.size() * sizeof(double)));
    }
    return h;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool MeasuresMemory = false;  // the sanitizer's quarantine holds freed memory on purpose
#else
constexpr bool MeasuresMemory = true;
#endif

}  // namespace

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetUpApplication(); }

    void manyChanges_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<int>("stepsPerHalfPeriod");
        QTest::newRow("pontel") << "pontel" << 500;
        QTest::newRow("dravik") << "dravik" << 1000;
    }
    void manyChanges()
    {
        QFETCH(QString, program);
        QFETCH(int, stepsPerHalfPeriod);
        const auto opened = OpenProgram(program.toStdString());
        TForm1& form = *opened;

        std::vector<QSlider*> sliders;
        for (const char* name : {"R1track", "R2track", "Fi0track", "R3track", "L1track"})
            if (auto* s = form.findChild<QSlider*>(name))
                sliders.push_back(s);
        auto* cf = form.findChild<RadioGroup*>("CFGroup");
        auto* imax = form.findChild<RadioGroup*>("ImaxGroup");
        auto* shrink = form.findChild<QToolButton*>("ShrinkButton");
        auto* grow = form.findChild<QToolButton*>("GrowButton");
        QImage picture(form.size(), QImage::Format_ARGB32_Premultiplied);

        std::mt19937 random(20261211);
        const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
        // Inputs are drawn from a few values each, so that the same inputs come back often.
        std::map<std::vector<int>, std::size_t> seen;
        int repeats = 0;
        long settled = 0;
        constexpr int Changes = 3000;
        for (int change = 1; change <= Changes; ++change) {
            const int what = pick(0, int(sliders.size()) + 3);
            if (what < int(sliders.size())) {
                QSlider* s = sliders[what];
                const int lo = s->minimum(), hi = s->maximum();
                s->setValue(pick(0, 3) == 0 ? lo + pick(0, 2) : lo + (hi - lo) * pick(0, 4) / 4);
            } else if (what == int(sliders.size())) {
                cf->item(pick(0, cf->count() - 1))->click();
            } else if (what == int(sliders.size()) + 1) {
                imax->item(pick(0, imax->count() - 1))->click();
            } else {
                QToolButton* b = what == int(sliders.size()) + 2 ? shrink : grow;
                for (int k = pick(1, 4); k > 0 && b->isEnabled(); --k)
                    b->click();
            }

            const Run& run = form.run();
            const std::size_t n = std::size_t(run.halfPeriods()) * stepsPerHalfPeriod;
            QCOMPARE(run.Series1().Count(), n);
            QCOMPARE(run.Series2().Count(), n);
            QCOMPARE(run.Series3().Count(), n);
            QCOMPARE(shrink->isEnabled(), run.halfPeriods() > 1);
            QCOMPARE(grow->isEnabled(), run.halfPeriods() < 20);

            std::vector<int> inputs{run.halfPeriods(), cf->itemIndex()};
            for (QSlider* s : sliders)
                inputs.push_back(s->value());
            const std::size_t print = Fingerprint(run);
            const auto [at, fresh] = seen.emplace(inputs, print);
            if (!fresh) {
                ++repeats;
                QVERIFY2(at->second == print, "the same inputs gave different curves");
            }

            if (change % 50 == 0)
                form.render(&picture);
            if (change == 500)
                settled = ResidentKb();
        }
        QVERIFY2(repeats > 100, "too few repeated inputs to compare");
        const long grown = ResidentKb() - settled;
        qInfo("%s: %d changes, %d repeated inputs, resident memory grew by %ld kB after change 500", qPrintable(program),
              Changes, repeats, grown);
        if (MeasuresMemory)
            QVERIFY2(grown < 2048, qPrintable(QStringLiteral("resident memory grew by %1 kB").arg(grown)));
    }
};

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
