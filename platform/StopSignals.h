#pragma once

/// SIGINT and SIGTERM as a request to stop: long work asks between its steps
/// and ends cleanly instead of being killed midway.
namespace StopSignals {

/// From now on SIGINT and SIGTERM only set the request.
void install();

/// Whether SIGINT or SIGTERM has arrived since install().
bool requested();

/// A descriptor that becomes readable when a stop is requested, for an event
/// loop to watch (drain it after each wake-up); -1 when none could be made.
int wakeUpDescriptor();

/// SIGINT and SIGTERM end the process again, as by default.
void uninstall();

/// Sleeps up to msecs milliseconds, or until a stop is requested; returns
/// whether one has been. Another signal may end the sleep early.
bool waitFor(int msecs);

} // namespace StopSignals
