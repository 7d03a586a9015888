#pragma once
// Thrown through the program's running dialogs when the driver ends the run:
// because it has no more actions (`failed` false), or because something it
// checked did not hold (`failed` true, with the reason).

#include <string>

struct HeadlessStop {
    bool failed = false;
    std::string reason;
};
