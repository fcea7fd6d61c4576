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
  // The request that ended the tool, kept for the run that waits on it:
  // a quick restart clears abortRequest before that run has seen it.
  std::atomic<int> abortSeen{AbortNone};
  // Debug mode shows the tools' output log once per session.
  std::atomic<bool> debugLogShown{false};
};
