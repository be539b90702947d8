#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>

#include <vector>

// One element of a circuit picture, in the picture's own pixels (line centres).
struct SchematicShape {
    enum Kind {
        Line,     // a polyline through the points
        Box,      // an outlined rectangle between two corners
        Dot,      // a filled node dot: centre, then a point on its rim
        Filled,   // a filled polygon (arrowheads, arrows)
        Outline,  // a closed outlined polygon (diode triangles, the bridge)
        Arc,      // an upper half-ellipse within the box between two corners
        Text,     // text centred in the box between two corners
    };
    Kind kind;
    std::vector<QPoint> points;
    QString text = {};
};

// A circuit picture: black lines 3 pixels wide on a transparent ground.
struct Schematic {
    QSize size;
    std::vector<SchematicShape> shapes;
};

// Image1: the picture stretched into the widget's box; the window shows through around
// the lines.
class SchematicView : public QWidget {
    Q_OBJECT

public:
    SchematicView(const Schematic& schematic, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Schematic& schematic_;
};

// Pieces both circuit pictures share.
namespace schematic {

// The bridge VD1 with its diode, the mains leads with their arrowheads and texts, the
// series resistance right of the bridge, and the return path from the bridge's left
// corner down to the bottom rail at railY, which runs right to railEnd.
void AddBridgeAndMains(std::vector<SchematicShape>& shapes, int railY, int railEnd);

// A filled current arrow pointing right between x0 and x1, just above the top rail.
SchematicShape CurrentArrow(int x0, int x1);

// A node dot of radius 7.
SchematicShape Dot(int x, int y);

// A capacitor hanging at x: plates at y 220-222 and 236-238, 66 pixels wide.
void AddCapacitorPlates(std::vector<SchematicShape>& shapes, int x);

}  // namespace schematic
