// How the program tells the user about a failure or a result without stopping: the error report
// that every handler's failure reaches, and the informing message. Neither waits for a click.
#pragma once

#include <QString>
#include <functional>

// Shows an error that ended a handler; each distinct message once per run, so a failure that a
// timer repeats does not stack up boxes while nobody is at the computer.
void reportError(const QString &message);

// Runs a step; a failure that leaves it is reported and the caller goes on. True when it ran
// to its end.
bool reportingErrors(const std::function<void()> &step);

// Inside a catch block: reports the exception being handled.
void reportCaughtError();

// Tells the user something that is not a failure (a repaired settings file, say).
void informUser(const QString &text);

// Tests: see what would be shown. nullptr gives back the message boxes; either call forgets the
// messages already reported.
using MessageSink = void (*)(const QString &message);
void setErrorReport(MessageSink sink);
void setInformReport(MessageSink sink);
