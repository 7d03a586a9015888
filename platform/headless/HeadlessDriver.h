#pragma once
// Whoever drives the headless screen: a scenario script or a test. While a
// dialog runs, the window system asks it for one user action at a time.

class HeadlessDriver {
public:
    virtual ~HeadlessDriver() = default;
    // Carries out the next user action on the top dialog. A driver with
    // nothing left to do throws HeadlessStop.
    virtual void Step() = 0;
};
