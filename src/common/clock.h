// The only way the program reads the time of day, so tests can fix the moment.
#pragma once

#include <QDateTime>

namespace Clock {

QDateTime now();

// Tests: freeze the clock at a moment, move it on, or give it back to the system.
void setFixed(const QDateTime &moment);
void advanceSeconds(int seconds);
void useSystem();

} // namespace Clock
