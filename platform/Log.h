#pragma once

#include <QString>

/// Reports a fault that the program recovers from (a category "warning" message,
/// through qWarning, so that tests can expect it with QTest::ignoreMessage(QtWarningMsg, ...)).
void logWarning(const QString &message);

/// Reports a fault that the program meets again and again, such as a broken
/// resource read on every redraw: the first report of each message is logged and
/// its repeats are dropped, so that a clock left running for weeks does not fill
/// the log with one fault.
void logWarningOnce(const QString &message);

/// Writes one line to the console, the program's log of user-visible events.
/// Goes through qInfo: tests expect it with QTest::ignoreMessage(QtInfoMsg, ...).
void logLine(const QString &message);

/// Sounds the alert: QApplication::beep() when a QApplication runs, else nothing.
void beep();
