#include "programs/dravik/dravik.h"

// The choke-filter circuit, in the picture's own pixels.
Schematic DravikSchematic()
{
    using namespace schematic;
    Schematic s{{1500, 480}, {}};
    auto& shapes = s.shapes;
    AddBridgeAndMains(shapes, 429, 1260);

    // Series resistance to node A, with the input current arrow I1.
    shapes.push_back({SchematicShape::Line, {{490, 149}, {630, 149}}});
    shapes.push_back(CurrentArrow(540, 578));
    shapes.push_back(Dot(589, 149));

    // Freewheeling diode VD2 from the bottom rail up to node A, cathode at A.
    shapes.push_back({SchematicShape::Line, {{589, 149}, {589, 429}}});
    shapes.push_back({SchematicShape::Line, {{568, 272}, {610, 272}}});
    shapes.push_back({SchematicShape::Outline, {{568, 306}, {610, 306}, {589, 272}}});
    shapes.push_back(Dot(589, 429));
    shapes.push_back({SchematicShape::Text, {{630, 276}, {699, 302}}, QStringLiteral("VD2")});

    // Choke L1: four loops standing on the rail.
    constexpr int ChokeFrom = 630, ChokeTo = 787, Loops = 4;
    for (int k = 0; k < Loops; ++k) {
        const int x0 = ChokeFrom + (ChokeTo - ChokeFrom) * k / Loops;
        const int x1 = ChokeFrom + (ChokeTo - ChokeFrom) * (k + 1) / Loops;
        shapes.push_back({SchematicShape::Arc, {{x0, 129}, {x1, 169}}});
    }

    // On to node B, with the choke current arrow I2, and on to the load.
    shapes.push_back({SchematicShape::Line, {{787, 149}, {1259, 149}, {1259, 248}}});
    shapes.push_back(CurrentArrow(840, 878));
    shapes.push_back(Dot(889, 149));

    // Capacitor with its series resistance from node B to the bottom rail.
    AddCapacitorPlates(shapes, 889);
    shapes.push_back({SchematicShape::Line, {{889, 237}, {889, 308}}});
    shapes.push_back({SchematicShape::Box, {{872, 308}, {906, 390}}});
    shapes.push_back({SchematicShape::Line, {{889, 390}, {889, 429}}});
    shapes.push_back(Dot(889, 429));

    // Load between the rails.
    shapes.push_back({SchematicShape::Box, {{1242, 248}, {1276, 330}}});
    shapes.push_back({SchematicShape::Line, {{1259, 330}, {1259, 429}}});
    return s;
}
