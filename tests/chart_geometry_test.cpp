// The chart's pixel geometry, by table, without a window.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPolygon>

#include <cmath>
#include <memory>

#include "models/crect.h"
#include "models/lcrect.h"
#include "run/run.h"
#include "window/chart.h"
#include "window/chart_geometry.h"

namespace {

TEST(AxisMap, PixelsOfValues)
{
    const AxisMap bottom{0.0, 29.98, 50.0, 460.0};
    const AxisMap left{0.0, 800.0, 210.0, 10.0};  // upwards on the screen
    const struct {
        const AxisMap& map;
        double value;
        int pixel;
    } cases[] = {
        {bottom, 0.0, 50}, {bottom, 29.98, 460}, {bottom, 14.99, 255},
        {left, 0.0, 210}, {left, 800.0, 10}, {left, 400.0, 110}, {left, 1e12, -99990}, {left, -1e12, 100210},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.map.PixelOf(c.value), c.pixel) << c.value;
    EXPECT_EQ(left.PixelOf(std::nan("")), -99990);  // held off the plot, not undefined
    const AxisMap flat{5.0, 5.0, 10.0, 20.0};  // a run of one sample
    EXPECT_EQ(flat.PixelOf(5.0), 10);
}

TEST(Ticks, OneTwoFiveStepsThatDoNotOverlap)
{
    const auto fixed = [](double room) { return [room](double) { return room; }; };
    const struct {
        double min, max, pixels, room;
        double step;
        std::size_t count;
    } cases[] = {
        {0, 800, 200, 15, 100, 9},     // current axis at its start-up scale
        {0, 16, 200, 15, 2, 9},
        {-400, 400, 200, 15, 100, 9},  // voltage axis
        {0, 29.98, 410, 13, 1, 30},
        {0, 29.98, 410, 20, 2, 15},
        {0, 29.98, 410, 30, 5, 6},
        {0, 9.98, 410, 30, 1, 10},
        {0, 199.99, 410, 30, 20, 10},
        {0, 199.99, 410, 45, 50, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.min << ".." << c.max << " on " << c.pixels);
        const Ticks t = ChooseTicks(c.min, c.max, c.pixels, fixed(c.room));
        EXPECT_DOUBLE_EQ(t.step, c.step);
        ASSERT_EQ(t.values.size(), c.count);
        EXPECT_GE(t.values.front(), c.min);
        EXPECT_LE(t.values.back(), c.max);
        EXPECT_GE(t.step * c.pixels / (c.max - c.min), c.room);  // never overlapping
        for (const double v : t.values)
            EXPECT_FALSE(std::signbit(v) && v == 0.0);
    }
}

TEST(Ticks, MinorTicksBetweenLabels)
{
    const Ticks t{100, {-400, -300, -200, -100, 0, 100, 200, 300, 400}};
    EXPECT_EQ(MinorTicks(t, -400, 400, 4).size(), 8u * 4);
    const Ticks bottom{5, {0, 5, 10, 15, 20, 25}};
    const std::vector<double> minor = MinorTicks(bottom, 0, 29.98, 4);
    EXPECT_EQ(minor.size(), 5u * 4 + 4);  // and in the part beyond the last label
    EXPECT_DOUBLE_EQ(minor.front(), 1.0);
}

struct HitCase {
    const char* name;
    std::vector<PixelPoint> samples;
    PixelPoint press;
    std::optional<std::size_t> hit;
};

TEST(HitTest, Table)
{
    const HitCase cases[] = {
        {"exact hit", {{0, 0}, {10, 0}, {20, 5}}, {10, 0}, 1},
        {"first sample", {{0, 0}, {10, 0}}, {0, 0}, 0},
        {"on a segment gives its start", {{0, 0}, {10, 0}, {20, 5}}, {5, 0}, 0},
        {"within a pixel of a slanted segment", {{0, 0}, {10, 3}}, {9, 3}, 0},
        {"a pixel off a slanted segment", {{0, 0}, {10, 10}}, {5, 6}, std::nullopt},
        {"on the line beyond the box", {{0, 0}, {10, 0}}, {11, 0}, std::nullopt},
        {"box bounds included", {{0, 0}, {10, 3}}, {10, 2}, std::nullopt},
        {"vertical segment", {{4, 0}, {4, 20}}, {4, 13}, 0},
        {"ends on one pixel never hit", {{3, 3}, {3, 3}, {9, 9}}, {3, 4}, std::nullopt},
        {"ends on one pixel, exact", {{3, 3}, {3, 3}}, {3, 3}, 0},
        {"earlier segment wins over a later exact hit", {{0, 0}, {10, 0}, {5, 0}}, {5, 0}, 0},
        {"off every sample", {{0, 0}, {10, 0}, {20, 0}}, {10, 5}, std::nullopt},
        {"no samples", {}, {0, 0}, std::nullopt},
    };
    for (const HitCase& c : cases)
        EXPECT_EQ(HitTest(c.samples, c.press), c.hit) << c.name;
    EXPECT_TRUE(OnSegment({0, 0}, {10, 3}, {10, 3}));
    EXPECT_FALSE(OnSegment({0, 0}, {10, 3}, {0, 1}));
}

// The reduced polyline draws exactly the picture of the polyline through every sample.
QImage Draw(const std::vector<PixelPoint>& points, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    QPolygon line;
    for (const PixelPoint& pt : points)
        line << QPoint(pt.x, pt.y);
    DrawCurve(p, line, Qt::red);
    return image;
}

// Empty when the pictures agree; else how many pixels differ and where the first is.
std::string Difference(const QImage& a, const QImage& b)
{
    int count = 0;
    QPoint first;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y) && count++ == 0)
                first = {x, y};
    if (count == 0)
        return {};
    return std::to_string(count) + " pixels differ, the first at (" + std::to_string(first.x()) + ", " +
           std::to_string(first.y()) + ")";
}

TEST(ReduceColumns, DrawsTheSamePictureAsEverySample)
{
    for (const bool choke : {false, true}) {
        for (const int halfPeriods : {1, 3, 20}) {
            std::unique_ptr<tModel> model;
            if (choke)
                model = std::make_unique<tLCRect>();
            else
                model = std::make_unique<tCRect>();
            ::Run run(*model, ",");
            Positions p = DesignedPositions(choke);
            p.Fi0 = 90;
            run.StartUp(p);
            while (run.halfPeriods() < halfPeriods)
                run.GrowButtonClick(p);
            while (run.halfPeriods() > halfPeriods)
                run.ShrinkButtonClick(p);

            const SampleSeries* all[] = {&run.Series1(), &run.Series2(), &run.Series3()};
            const std::size_t n = run.Series1().Count();
            const AxisMap x{0.0, run.Series1().XValue(n - 1), 40.0, 450.0};
            const AxisMap current{0.0, 40.0, 210.0, 10.0};  // the inrush runs far off the top
            const AxisMap voltage{-400.0, 400.0, 210.0, 10.0};
            for (int s = 0; s < 3; ++s) {
                SCOPED_TRACE(testing::Message() << (choke ? "choke" : "capacitor") << " " << halfPeriods << " series " << s);
                const AxisMap& y = s == 0 ? current : voltage;
                std::vector<PixelPoint> every, reduced;
                SamplePixels(all[s]->StoredY(), all[s]->XMultiplier, x, y, every);
                ReduceColumns(all[s]->StoredY(), all[s]->XMultiplier, x, y, reduced);
                EXPECT_LE(reduced.size(), 4u * 412);
                EXPECT_EQ(Difference(Draw(reduced, {500, 230}), Draw(every, {500, 230})), "");
            }
        }
    }
}

}  // namespace
