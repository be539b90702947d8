#include "window/chart_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

PixelScale::PixelScale(const AxisMap& m)
    : offset(m.first), scale(0.0), lo(std::min(m.first, m.last) - Far), hi(std::max(m.first, m.last) + Far)
{
    if (m.max != m.min) {
        scale = (m.last - m.first) / (m.max - m.min);
        offset = m.first - m.min * scale;
    }
}

int AxisMap::PixelOf(double v) const
{
    return PixelScale(*this).Of(v);
}

namespace {

std::vector<double> TickValues(double min, double max, double step)
{
    std::vector<double> values;
    const double start = std::ceil(min / step - 1e-9);
    for (double k = start;; ++k) {
        double v = k * step;
        if (v > max + step * 1e-9)
            break;
        if (std::fabs(v) < step * 1e-9)
            v = 0.0;  // no "-0" label
        values.push_back(v);
    }
    return values;
}

}  // namespace

Ticks ChooseTicks(double min, double max, double pixelLength, const std::function<double(double)>& extent)
{
    const double span = max - min;
    if (!(span > 0.0) || !(pixelLength > 0.0))
        return {1.0, {min}};
    const double pixelsPerUnit = pixelLength / span;
    // Start an order below the span's and go up through 1, 2, 5 until the labels fit.
    double decade = std::pow(10.0, std::floor(std::log10(span)) - 3);
    for (;;) {
        for (const double m : {1.0, 2.0, 5.0}) {
            const double step = m * decade;
            const double spacing = step * pixelsPerUnit;
            // The labels at the ends are a cheap first test; only a spacing that passes it
            // has few enough labels to measure them all.
            if (spacing < std::max(extent(min), extent(max)) && step < span)
                continue;
            Ticks t{step, TickValues(min, max, step)};
            double needed = 0.0;
            for (const double v : t.values)
                needed = std::max(needed, extent(v));
            if (spacing >= needed || step >= span)
                return t;
        }
        decade *= 10;
    }
}

std::vector<double> MinorTicks(const Ticks& ticks, double min, double max, int count)
{
    std::vector<double> out;
    if (ticks.values.empty() || count <= 0)
        return out;
    const double minor = ticks.step / (count + 1);
    for (double base = ticks.values.front() - ticks.step; base <= max; base += ticks.step) {
        for (int k = 1; k <= count; ++k) {
            const double v = base + k * minor;
            if (v >= min && v <= max)
                out.push_back(v);
        }
    }
    return out;
}

void SamplePixels(std::span<const double> ys, double xMultiplier, const AxisMap& xMap, const AxisMap& yMap,
                  std::vector<PixelPoint>& out)
{
    const PixelScale px(xMap), py(yMap);
    out.resize(ys.size());
    for (std::size_t i = 0; i < ys.size(); ++i)
        out[i] = {px.Of(static_cast<double>(i) * xMultiplier), py.Of(ys[i])};
}

void ReduceColumns(std::span<const double> ys, double xMultiplier, const AxisMap& xMap, const AxisMap& yMap,
                   std::vector<PixelPoint>& out)
{
    out.clear();
    const PixelScale px(xMap), py(yMap);
    const auto push = [&out](int x, int y) {
        if (out.empty() || out.back() != PixelPoint{x, y})
            out.push_back({x, y});
    };
    const std::size_t n = ys.size();
    std::size_t i = 0;
    int column = px.Of(0.0);
    while (i < n) {
        const int firstY = py.Of(ys[i]);
        int lowY = firstY, highY = firstY, lastY = firstY;
        std::size_t lowAt = i, highAt = i;
        std::size_t j = i + 1;
        int next = column;
        for (; j < n; ++j) {
            next = px.Of(static_cast<double>(j) * xMultiplier);
            if (next != column)
                break;
            lastY = py.Of(ys[j]);
            if (lastY < lowY) {
                lowY = lastY;
                lowAt = j;
            }
            if (lastY > highY) {
                highY = lastY;
                highAt = j;
            }
        }
        // Within a column the path only runs up and down, so an extreme that the first or
        // last point already reaches adds nothing to the picture.
        const int earlier = lowAt < highAt ? lowY : highY;
        const int later = lowAt < highAt ? highY : lowY;
        push(column, firstY);
        if (earlier != firstY && earlier != lastY)
            push(column, earlier);
        if (later != firstY && later != lastY)
            push(column, later);
        push(column, lastY);
        i = j;
        column = next;
    }
}

bool OnSegment(PixelPoint a, PixelPoint b, PixelPoint p)
{
    const long long dx = static_cast<long long>(b.x) - a.x;
    const long long dy = static_cast<long long>(b.y) - a.y;
    const long long cross = dx * (static_cast<long long>(p.y) - a.y) - dy * (static_cast<long long>(p.x) - a.x);
    if (std::llabs(cross) >= std::max(std::llabs(dx), std::llabs(dy)))
        return false;
    return p.x >= std::min(a.x, b.x) && p.x <= std::max(a.x, b.x) && p.y >= std::min(a.y, b.y) &&
           p.y <= std::max(a.y, b.y);
}

std::optional<std::size_t> HitTest(std::span<const PixelPoint> samples, PixelPoint p)
{
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (samples[i] == p)
            return i;
        if (i > 0 && OnSegment(samples[i - 1], samples[i], p))
            return i - 1;
    }
    return std::nullopt;
}
