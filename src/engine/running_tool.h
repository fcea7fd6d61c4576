#pragma once
// The one external tool that may run at a time, shared by the pipeline
// thread (which starts it and waits) and the window (which follows its
// progress, stops or cancels it).

#include <atomic>

#include "tools/child_process.h"

enum AbortRequest { AbortNone = 0, AbortStop = 1, AbortCancel = 2 };

struct RunningTool {
  tools::ChildProcess process;
  std::atomic<int> firstProgress{0};
  std::atomic<int> abortRequest{AbortNone};
};
