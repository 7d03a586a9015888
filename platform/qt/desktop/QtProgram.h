#pragma once
// The platform's entry for the program on a real screen. Qt stays behind
// this header: the program's main only calls it.

#include <functional>

class QtProgram {
public:
    // Reads the platform's options (--zoom N), opens the display, shows the
    // device screen and runs the application object on it; `starting` runs
    // once the screen is there, before the application object, and may show
    // message boxes. Returns the exit status: 0, 1 when no
    // display can be opened, 2 for a wrong option.
    static int Run(int argc, char** argv, const std::function<void()>& starting = {});
};
