#pragma once
// A main window with a queue, driven as the user drives it. Queue control
// hands a picked job to `runJob`; these tests take the engine's part
// themselves: they note which job was armed and end it when they choose.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/app_harness.h"
#include "queue/job.h"

namespace test {

// A 2-pass BD-25 job of a Blu-ray folder at 18000 kb/s, preset slow.
Job BlurayJob();
// A copied-video MKV job of an .mkv file.
Job MkvRemuxJob();

class QueueTest : public ::testing::Test {
 protected:
  QueueTest();

  App& app() { return h.app(); }
  int panel() { return h.panel(); }

  // A job in the slot as "Add to Queue" would leave it, then a redraw.
  void Put(int slot, Job job, int32_t state = JobPending);
  int32_t State(int slot) { return LoadState(app().queue[slot]); }

  // What the user does.
  void Select(int slot);
  void Click(int control);
  // Right-click on the queue and choose the item (dimmed items do nothing).
  void ChooseFromMenu(int item);

  // The engine's part: the running job ends in `state` and the queue goes on.
  void EndRunningJob(int32_t state = JobFinished);

  // What the user sees.
  std::vector<std::string> JobLines();
  std::vector<std::string> DetailLinesOf(int slot);
  bool Dimmed(int control);
  std::string GoLabel();
  // Value names "Job_%d" in the store, in slot order.
  std::vector<std::string> StoredJobNames();

  AppHarness h;
  std::vector<int> armed;  // slots handed to the engine, in order
};

}  // namespace test
