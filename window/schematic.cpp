#include "window/schematic.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPolygon>

#include <cmath>

namespace {

constexpr int LineWidth = 3;
constexpr int TextPixels = 26;  // lettering height in the picture's pixels

QRect Between(const SchematicShape& s)
{
    return QRect(s.points[0], s.points[1]).normalized();
}

}  // namespace

SchematicView::SchematicView(const Schematic& schematic, QWidget* parent) : QWidget(parent), schematic_(schematic)
{
    setObjectName(QStringLiteral("Image1"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SchematicView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Stretched into the box: the picture's pixels scale to the widget's.
    p.scale(double(width()) / schematic_.size.width(), double(height()) / schematic_.size.height());
    const QPen pen(Qt::black, LineWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    QFont font = p.font();
    font.setPixelSize(TextPixels);
    p.setFont(font);

    for (const SchematicShape& s : schematic_.shapes) {
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        switch (s.kind) {
        case SchematicShape::Line:
            p.drawPolyline(s.points.data(), static_cast<int>(s.points.size()));
            break;
        case SchematicShape::Box:
            p.drawRect(Between(s));
            break;
        case SchematicShape::Dot: {
            const QPoint d = s.points[1] - s.points[0];
            const double r = std::hypot(d.x(), d.y());
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::black);
            p.drawEllipse(QPointF(s.points[0]), r, r);
            break;
        }
        case SchematicShape::Filled:
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::black);
            p.drawPolygon(s.points.data(), static_cast<int>(s.points.size()));
            break;
        case SchematicShape::Outline:
            p.drawPolygon(s.points.data(), static_cast<int>(s.points.size()));
            break;
        case SchematicShape::Arc:
            p.drawArc(Between(s), 0, 180 * 16);
            break;
        case SchematicShape::Text:
            p.drawText(Between(s), Qt::AlignCenter, s.text);
            break;
        }
    }
}

namespace schematic {

namespace {

constexpr int TopRail = 149;
constexpr int ArrowHead = 28;

SchematicShape Line(std::vector<QPoint> points)
{
    return {SchematicShape::Line, std::move(points)};
}

// A filled arrowhead pointing left with its tip at (x, y): 36 long, 15 high.
SchematicShape LeftArrowhead(int x, int y)
{
    return {SchematicShape::Filled, {{x, y}, {x + 36, y - 7}, {x + 36, y + 8}}};
}

}  // namespace

SchematicShape Dot(int x, int y)
{
    return {SchematicShape::Dot, {{x, y}, {x + 7, y}}};
}

SchematicShape CurrentArrow(int x0, int x1)
{
    const int neck = x1 - ArrowHead;
    return {SchematicShape::Filled,
            {{x0, 127}, {neck, 127}, {neck, 122}, {x1, 129}, {neck, 136}, {neck, 131}, {x0, 131}}};
}

void AddBridgeAndMains(std::vector<SchematicShape>& shapes, int railY, int railEnd)
{
    // The bridge: a square on its corner with a diode pointing right inside.
    shapes.push_back({SchematicShape::Outline, {{289, 70}, {369, TopRail}, {289, 229}, {209, TopRail}}});
    shapes.push_back(Line({{248, TopRail}, {330, TopRail}}));
    shapes.push_back({SchematicShape::Outline, {{272, 128}, {272, 170}, {306, TopRail}}});
    shapes.push_back(Line({{306, 128}, {306, 170}}));
    shapes.push_back({SchematicShape::Text, {{304, 42}, {368, 68}}, QStringLiteral("VD1")});

    // Mains leads from the top and bottom corners, ending in arrowheads.
    shapes.push_back(Line({{289, 70}, {289, 29}, {120, 29}}));
    shapes.push_back(LeftArrowhead(90, 29));
    shapes.push_back(Line({{289, 229}, {289, 269}, {120, 269}}));
    shapes.push_back(LeftArrowhead(90, 269));
    shapes.push_back({SchematicShape::Text, {{38, 154}, {155, 187}}, QStringLiteral("(220 В)")});

    // Return path; the lower lead crosses its vertical without a junction.
    shapes.push_back(Line({{209, TopRail}, {169, TopRail}, {169, railY}, {railEnd, railY}}));

    // Series resistance on the top rail right of the bridge.
    shapes.push_back(Line({{369, TopRail}, {408, TopRail}}));
    shapes.push_back({SchematicShape::Box, {{408, 132}, {490, 166}}});
}

void AddCapacitorPlates(std::vector<SchematicShape>& shapes, int x)
{
    shapes.push_back(Line({{x, TopRail}, {x, 221}}));
    shapes.push_back(Line({{x - 33, 221}, {x + 33, 221}}));
    shapes.push_back(Line({{x - 33, 237}, {x + 33, 237}}));
}

}  // namespace schematic
