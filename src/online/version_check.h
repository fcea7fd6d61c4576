#pragma once
// The version check: once per program start, on a thread of its own, the
// product's web server is told this copy's version, bitness and client
// identifier; when it names a newer version the user is offered the
// download. With no server configured nothing happens.

#include <chrono>

struct App;

// How long each stage of the request (resolve, connect, send, the silence
// while receiving) may take before the check gives up without a word.
inline constexpr std::chrono::milliseconds kVersionCheckTimeout{10000};

// Starts the check and returns at once; start-up never waits for it.
void StartVersionCheck(App& app, std::chrono::milliseconds stageTimeout = kVersionCheckTimeout);

// Before the App goes: an offer not yet shown is dropped, and a check still
// waiting on the network is left to end alone, never touching the App.
// Destroying the App does the same; call it before the toolkit shuts down.
void StopVersionCheck(App& app);
