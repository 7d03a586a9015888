#include "platform/framework/WindowSystem.h"

namespace {
WindowSystem* g_current = nullptr;
}

WindowSystem* WindowSystem::Current() {
    return g_current;
}

WindowSystem* WindowSystem::Install(WindowSystem* windowSystem) {
    WindowSystem* before = g_current;
    g_current = windowSystem;
    return before;
}
