#include "programs/pontel/pontel.h"

// The capacitor-filter circuit, in the picture's own pixels.
Schematic PontelSchematic()
{
    using namespace schematic;
    Schematic s{{1200, 360}, {}};
    auto& shapes = s.shapes;
    AddBridgeAndMains(shapes, 309, 1010);

    // Series resistance to the node, with the input current arrow before it.
    shapes.push_back({SchematicShape::Line, {{490, 149}, {1009, 149}, {1009, 188}}});
    shapes.push_back(CurrentArrow(570, 618));
    shapes.push_back(Dot(639, 149));

    // Capacitor from the node down to the bottom rail.
    AddCapacitorPlates(shapes, 639);
    shapes.push_back({SchematicShape::Line, {{639, 237}, {639, 309}}});
    shapes.push_back(Dot(639, 309));

    // Load between the rails.
    shapes.push_back({SchematicShape::Box, {{992, 188}, {1026, 270}}});
    shapes.push_back({SchematicShape::Line, {{1009, 270}, {1009, 309}}});
    return s;
}
