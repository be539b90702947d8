#pragma once

#include <memory>

#include "models/model.h"
#include "window/layout.h"

// What the Dravik program sets apart from the shared window: its circuit and its layout.
std::unique_ptr<tModel> DravikModel();
const ProgramLayout& DravikLayout();
Schematic DravikSchematic();
