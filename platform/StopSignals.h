#pragma once

/// SIGINT and SIGTERM as a request to stop: long work asks between its steps
/// and ends cleanly instead of being killed midway.
namespace StopSignals {

/// From now on SIGINT and SIGTERM only set the request.
void install();

/// Whether SIGINT or SIGTERM has arrived since install().
bool requested();

} // namespace StopSignals
