// Runs the application's own message loop around one step, for tests of what ends the program.
#pragma once

#include <functional>

inline constexpr int kStillRunning = 42;

// Runs `step` inside QCoreApplication::exec() and lets the loop go on for `ms`; the result is
// kStillRunning unless something else ended the loop first.
int runLoopWith(const std::function<void()> &step, int ms = 400);
