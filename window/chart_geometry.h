#pragma once

// Pixel geometry of the chart, shared by the painter, the mouse handling and the tests.
// Pure functions on plain values: no widget needed.

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <vector>

struct PixelPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(PixelPoint, PixelPoint) = default;
};

// Linear value-to-pixel mapping of one axis: `min` lands on pixel `first`, `max` on `last`
// (a vertical axis has first below last on the screen, so first > last there).
struct AxisMap {
    double min = 0.0;
    double max = 1.0;
    double first = 0.0;
    double last = 1.0;

    // The whole pixel a value is drawn and hit at; far-off values are held a long way
    // outside the plot so that clipping still draws the same picture.
    int PixelOf(double v) const;
};

// The affine form of an axis mapping, so that mapping many samples costs a multiply and
// an add each. Every pixel position on the chart comes from here.
struct PixelScale {
    explicit PixelScale(const AxisMap& m);
    int Of(double v) const
    {
        double p = offset + v * scale;
        if (!(p >= lo))  // also a NaN
            p = lo;
        if (p > hi)
            p = hi;
        return static_cast<int>(p + Bias + 0.5) - static_cast<int>(Bias);  // rounds, p + Bias > 0
    }

    static constexpr double Far = 100000.0;
    static constexpr double Bias = 1 << 24;
    double offset, scale, lo, hi;
};

// Label positions of an axis: multiples of `step` within [min, max].
struct Ticks {
    double step = 1.0;
    std::vector<double> values;
};

// Labels at a 1-2-5 spacing, the closest one at which no two labels overlap: `extent`
// gives the room a label needs along the axis, in pixels, gap included.
Ticks ChooseTicks(double min, double max, double pixelLength, const std::function<double(double value)>& extent);

// Positions of `count` minor ticks between neighbouring labels, over the whole axis.
std::vector<double> MinorTicks(const Ticks& ticks, double min, double max, int count);

// A series reduced to what its pixel columns show: per column the first, lowest,
// highest and last point, in the order they occur, so the polyline through them draws
// the same picture as the polyline through every sample.
// Sample i stands at x = i * xMultiplier.
void ReduceColumns(std::span<const double> ys, double xMultiplier, const AxisMap& xMap, const AxisMap& yMap,
                   std::vector<PixelPoint>& out);

// Every sample's pixel, for the hit test.
void SamplePixels(std::span<const double> ys, double xMultiplier, const AxisMap& xMap, const AxisMap& yMap,
                  std::vector<PixelPoint>& out);

// True when p lies on the segment from a to b: within about a pixel of the line and
// inside its bounding box. A segment whose ends share a pixel never hits.
bool OnSegment(PixelPoint a, PixelPoint b, PixelPoint p);

// The sample a press at p hits on a curve: in index order, an exact hit on sample i, or
// (from the second sample on) a hit on the segment from i-1 to i, which gives i-1.
std::optional<std::size_t> HitTest(std::span<const PixelPoint> samples, PixelPoint p);
