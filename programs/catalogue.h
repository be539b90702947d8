#pragma once

// Both programs side by side, for the tools, tests and benchmarks that open either window.

#include <memory>
#include <string_view>

#include "programs/dravik/dravik.h"
#include "programs/pontel/pontel.h"
#include "window/tform1.h"

struct ProgramEntry {
    const char* name;
    const ProgramLayout& (*layout)();
    std::unique_ptr<tModel> (*model)();
};

inline constexpr ProgramEntry Programs[] = {
    {"pontel", PontelLayout, PontelModel},
    {"dravik", DravikLayout, DravikModel},
};

// The window of the named program, shown (offscreen where the platform is offscreen).
inline std::unique_ptr<TForm1> OpenProgram(std::string_view name)
{
    for (const ProgramEntry& p : Programs) {
        if (name == p.name) {
            auto form = std::make_unique<TForm1>(p.layout(), p.model);
            form->show();
            return form;
        }
    }
    return nullptr;
}

// For tools that draw without a display unless told otherwise.
inline void PreferOffscreen()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}
