#include "window/chart.h"

#include <QLocale>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>

namespace {

constexpr double RightMin = -400.0;
constexpr double RightMax = 400.0;
constexpr int BottomMinorCount = 4;
constexpr int LeftMinorCount = 3;
constexpr int RightMinorCount = 4;
constexpr int Bevel = 2;
constexpr int Pad = 4;
constexpr int MajorTick = 4;
constexpr int MinorTick = 2;
constexpr int LabelGap = 8;

const QColor SeriesColours[Chart::SeriesCount] = {QColor(255, 0, 0), QColor(0, 128, 0), QColor(255, 255, 0)};
const QString BottomTitle = QStringLiteral("t, мс");
const QString LeftTitle = QStringLiteral("I, А");  // Cyrillic А
const QString RightTitle = QStringLiteral("U, В");

}  // namespace

Chart::Chart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Chart1"));
    setFocusPolicy(Qt::NoFocus);
}

void Chart::setSeries(const SampleSeries* series1, const SampleSeries* series2, const SampleSeries* series3)
{
    series_ = {series1, series2, series3};
}

void Chart::dataChanged()
{
    Relayout();
    update();
}

void Chart::setLeftMaximum(double maximum)
{
    leftMax_ = maximum;
    Relayout();
    update();
}

void Chart::resizeEvent(QResizeEvent*)
{
    Relayout();
}

void Chart::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LocaleChange)
        Relayout();
    QWidget::changeEvent(event);
}

QString AxisLabel(const QLocale& locale, double value)
{
    if (std::fabs(value) < 0.0005)
        value = 0.0;  // no "-0"
    QString text = locale.toString(value, 'f', 3);
    const QString point = locale.decimalPoint();
    if (text.contains(point)) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(point))
            text.chop(point.size());
    }
    return text;
}

void Chart::Relayout()
{
    const QFontMetrics fm = fontMetrics();
    const int textHeight = fm.height();

    double tMin = 0.0, tMax = 1.0;
    if (series_[0] && series_[0]->Count() > 0) {
        tMin = series_[0]->XValue(0);
        tMax = series_[0]->XValue(series_[0]->Count() - 1);
    }

    // Room for the widest labels the axes can show, then for the titles outside them.
    const int leftLabels = std::max(fm.horizontalAdvance(Label(0.0)), fm.horizontalAdvance(Label(leftMax_)));
    const int rightLabels = std::max(fm.horizontalAdvance(Label(RightMin)), fm.horizontalAdvance(Label(RightMax)));
    const int left = Bevel + Pad + textHeight + Pad + leftLabels + MajorTick + 2;
    const int right = Bevel + Pad + textHeight + Pad + rightLabels + MajorTick + 2;
    const int top = Bevel + textHeight / 2 + Pad;
    const int bottom = Bevel + Pad + textHeight + 2 + textHeight + MajorTick + 2;
    plot_ = QRect(QPoint(left, top), QPoint(width() - 1 - right, height() - 1 - bottom));

    bottom_ = {tMin, tMax, double(plot_.left()), double(plot_.right())};
    left_ = {0.0, leftMax_, double(plot_.bottom()), double(plot_.top())};
    right_ = {RightMin, RightMax, double(plot_.bottom()), double(plot_.top())};

    const auto horizontalExtent = [&](double v) { return double(fm.horizontalAdvance(Label(v)) + LabelGap); };
    const auto verticalExtent = [&](double) { return double(textHeight + 2); };
    bottomTicks_ = ChooseTicks(tMin, tMax, plot_.width() - 1, horizontalExtent);
    leftTicks_ = ChooseTicks(0.0, leftMax_, plot_.height() - 1, verticalExtent);
    rightTicks_ = ChooseTicks(RightMin, RightMax, plot_.height() - 1, verticalExtent);
    bottomMinor_ = MinorTicks(bottomTicks_, tMin, tMax, BottomMinorCount);
    leftMinor_ = MinorTicks(leftTicks_, 0.0, leftMax_, LeftMinorCount);
    rightMinor_ = MinorTicks(rightTicks_, RightMin, RightMax, RightMinorCount);

    Reduce();
}

void Chart::Reduce()
{
    for (int s = 0; s < SeriesCount; ++s) {
        if (!series_[s]) {
            reduced_[s].clear();
            lines_[s].clear();
            continue;
        }
        ReduceColumns(series_[s]->StoredY(), series_[s]->XMultiplier, bottom_, VerticalAxis(s),
                      reduced_[s]);
        QPolygon& line = lines_[s];
        line.resize(static_cast<int>(reduced_[s].size()));
        for (std::size_t i = 0; i < reduced_[s].size(); ++i)
            line.setPoint(static_cast<int>(i), reduced_[s][i].x, reduced_[s][i].y);
    }
}

PixelPoint Chart::samplePixel(int series, std::size_t i) const
{
    const SampleSeries& s = *series_[series];
    return {bottom_.PixelOf(s.XValue(i)), VerticalAxis(series).PixelOf(s.YValue(i))};
}

void Chart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QPalette& pal = palette();
    p.fillRect(rect(), pal.color(QPalette::Button));

    // Raised outer bevel, lowered inner one.
    const QRect outer = rect().adjusted(0, 0, -1, -1);
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    const auto bevel = [&](const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
        p.setPen(topLeft);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(bottomRight);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    };
    bevel(outer, pal.color(QPalette::Light), pal.color(QPalette::Shadow));
    bevel(inner, pal.color(QPalette::Mid), pal.color(QPalette::Light));

    const QFontMetrics fm = fontMetrics();
    const QColor text = pal.color(QPalette::WindowText);
    const QPen grid(Qt::gray, 1, Qt::DotLine);

    // Grid at the bottom and right labels.
    p.setPen(grid);
    for (const double v : bottomTicks_.values) {
        const int x = bottom_.PixelOf(v);
        p.drawLine(x, plot_.top(), x, plot_.bottom());
    }
    for (const double v : rightTicks_.values) {
        const int y = right_.PixelOf(v);
        p.drawLine(plot_.left(), y, plot_.right(), y);
    }

    // Axis lines, ticks and labels.
    p.setPen(text);
    p.drawLine(plot_.bottomLeft(), plot_.bottomRight());
    p.drawLine(plot_.topLeft(), plot_.bottomLeft());
    p.drawLine(plot_.topRight(), plot_.bottomRight());
    const int textHeight = fm.height();
    for (const double v : bottomMinor_) {
        const int x = bottom_.PixelOf(v);
        p.drawLine(x, plot_.bottom() + 1, x, plot_.bottom() + MinorTick);
    }
    for (const double v : bottomTicks_.values) {
        const int x = bottom_.PixelOf(v);
        p.drawLine(x, plot_.bottom() + 1, x, plot_.bottom() + MajorTick);
        const QString label = Label(v);
        const int w = fm.horizontalAdvance(label);
        p.drawText(QRect(x - w / 2 - 1, plot_.bottom() + MajorTick + 1, w + 2, textHeight), Qt::AlignCenter, label);
    }
    for (const double v : leftMinor_) {
        const int y = left_.PixelOf(v);
        p.drawLine(plot_.left() - MinorTick, y, plot_.left() - 1, y);
    }
    for (const double v : leftTicks_.values) {
        const int y = left_.PixelOf(v);
        p.drawLine(plot_.left() - MajorTick, y, plot_.left() - 1, y);
        p.drawText(QRect(0, y - textHeight / 2, plot_.left() - MajorTick - 2, textHeight),
                   Qt::AlignRight | Qt::AlignVCenter, Label(v));
    }
    for (const double v : rightMinor_) {
        const int y = right_.PixelOf(v);
        p.drawLine(plot_.right() + 1, y, plot_.right() + MinorTick, y);
    }
    const int rightLabelsAt = plot_.right() + MajorTick + 3;
    for (const double v : rightTicks_.values) {
        const int y = right_.PixelOf(v);
        p.drawLine(plot_.right() + 1, y, plot_.right() + MajorTick, y);
        const QString label = Label(v);
        p.drawText(QRect(rightLabelsAt, y - textHeight / 2, width() - rightLabelsAt, textHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, label);
    }

    // Titles; the vertical ones read upwards.
    p.drawText(QRect(plot_.left(), plot_.bottom() + MajorTick + 2 + textHeight, plot_.width(), textHeight),
               Qt::AlignCenter, BottomTitle);
    const auto upwards = [&](int centreX, const QString& title) {
        p.save();
        p.translate(centreX, plot_.center().y());
        p.rotate(-90);
        p.drawText(QRect(-plot_.height() / 2, -textHeight / 2, plot_.height(), textHeight), Qt::AlignCenter, title);
        p.restore();
    };
    upwards(Bevel + Pad + textHeight / 2, LeftTitle);
    upwards(width() - 1 - Bevel - Pad - textHeight / 2, RightTitle);

    // Curves, clipped to the plot area, Series3 on top.
    p.setClipRect(plot_.adjusted(0, 0, 1, 1));
    for (int s = 0; s < SeriesCount; ++s)
        DrawCurve(p, lines_[s], SeriesColours[s]);
}

void DrawCurve(QPainter& painter, const QPolygon& line, const QColor& colour)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colour, 0));
    // The pixels a 2-pixel pen covers at whole coordinates: the point and those above and left.
    for (const QPoint offset : {QPoint(-1, -1), QPoint(0, -1), QPoint(-1, 0), QPoint(0, 0)}) {
        painter.translate(offset);
        painter.drawPolyline(line);
        if (!line.isEmpty()) {
            // Whether a line's end pixels are drawn varies with its direction and length.
            painter.drawPoint(line.first());
            painter.drawPoint(line.last());
        }
        painter.translate(-offset);
    }
    painter.restore();
}

void Chart::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (!plot_.contains(pos))
        return;
    const PixelPoint pressed{pos.x(), pos.y()};
    // The curves are tried before the axes, the one on top first.
    std::vector<PixelPoint> pixels;
    for (int s = SeriesCount - 1; s >= 0; --s) {
        if (!series_[s])
            continue;
        SamplePixels(series_[s]->StoredY(), series_[s]->XMultiplier, bottom_, VerticalAxis(s),
                     pixels);
        if (const std::optional<std::size_t> hit = HitTest(pixels, pressed)) {
            emit clickSeries(s, static_cast<int>(*hit));
            return;
        }
    }
}
