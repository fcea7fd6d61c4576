#pragma once
// Starting the one external tool of a step and waiting for it.

struct App;

// Ends the running tool and what it started; harmless when none runs.
void TerminateRunningTool(App& app);
