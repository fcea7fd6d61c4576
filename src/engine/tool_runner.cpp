#include "engine/tool_runner.h"

#include "shell/app.h"

void TerminateRunningTool(App& app) { app.tool.process.Terminate(); }
