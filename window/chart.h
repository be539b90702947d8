#pragma once

#include <QLocale>
#include <QPainter>
#include <QPolygon>
#include <QRect>
#include <QWidget>

#include <array>
#include <vector>

#include "run/series.h"
#include "window/chart_geometry.h"

// An axis label as "#,##0.###": grouping, up to three decimals, the locale's separators.
QString AxisLabel(const QLocale& locale, double value);

// Draws a curve 2 pixels wide, as a 2 x 2 brush swept along the one-pixel polyline: the
// look of a 2-pixel pen at a small part of its stroking cost.
void DrawCurve(QPainter& painter, const QPolygon& line, const QColor& colour);

// The waveform chart: the input current against the left axis, the source and load
// voltages against the right one, over the run's time in milliseconds. It draws the
// run's own series; each is reduced to its pixel columns once per data or size change.
class Chart : public QWidget {
    Q_OBJECT

public:
    static constexpr int SeriesCount = 3;

    explicit Chart(QWidget* parent = nullptr);

    // The series to draw, in drawing order (the last lies on top). The chart keeps the
    // pointers; call dataChanged() after the series have been refilled.
    void setSeries(const SampleSeries* series1, const SampleSeries* series2, const SampleSeries* series3);

    QRect plotRect() const { return plot_; }
    const AxisMap& bottomAxis() const { return bottom_; }
    const AxisMap& leftAxis() const { return left_; }
    const AxisMap& rightAxis() const { return right_; }
    const std::vector<PixelPoint>& reduced(int series) const { return reduced_[series]; }

    // The pixel at which sample i of a series is drawn and hit.
    PixelPoint samplePixel(int series, std::size_t i) const;

public slots:
    void dataChanged();
    void setLeftMaximum(double maximum);

signals:
    // A press hit a curve: series 0 to 2 (Series1 to Series3) and the sample index.
    void clickSeries(int series, int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Relayout();
    void Reduce();
    const AxisMap& VerticalAxis(int series) const { return series == 0 ? left_ : right_; }
    QString Label(double value) const { return AxisLabel(locale(), value); }

    std::array<const SampleSeries*, SeriesCount> series_{};
    std::array<std::vector<PixelPoint>, SeriesCount> reduced_;
    std::array<QPolygon, SeriesCount> lines_;  // the reduced points as drawn
    double leftMax_ = 800.0;
    QRect plot_;
    AxisMap bottom_, left_, right_;
    Ticks bottomTicks_, leftTicks_, rightTicks_;
    std::vector<double> bottomMinor_, leftMinor_, rightMinor_;
};
