#include "queue/queue_fixture.h"

#include <sqlite3.h>

#include "platform/fixed_text.h"
#include "queue/queue_control.h"
#include "queue/queue_display.h"
#include "queue/queue_store.h"

namespace test {

using platform::CopyFixed;

Job BlurayJob() {
  Job j{};
  j.videoBitrate = 18000;
  j.media = 3;
  j.frameCount = 172800;
  j.audioStreamTrack = 4352;
  j.audioTarget = 0;
  j.audioTrackNo = 3;
  j.subStreamTrack = 4608;
  j.subMode = 1;
  j.videoStreamTrack = 4113;
  CopyFixed(j.videoCodec, "AVC");
  CopyFixed(j.name, "Movie");
  CopyFixed(j.sourceFile, "/media/discs/MOVIE/BDMV/PLAYLIST/00800.mpls");
  CopyFixed(j.sourceBdFolder, "/media/discs/MOVIE");
  CopyFixed(j.outputPath, "/home/user/AVCHD/Movie");
  CopyFixed(j.fpsRational, "24000/1001");
  CopyFixed(j.fpsDecimal, "23.976");
  CopyFixed(j.audioCodecId, "A_AC3");
  CopyFixed(j.audioLang, "eng");
  CopyFixed(j.subCodecId, "S_HDMV/PGS");
  CopyFixed(j.subLang, "spa");
  CopyFixed(j.x264Preset, "slow");
  CopyFixed(j.x264Tune, "film");
  CopyFixed(j.mediaLabel, "BD-25");
  CopyFixed(j.audioBitrateText, "640");
  j.videoTrackNo = 2;
  return j;
}

Job MkvRemuxJob() {
  Job j = BlurayJob();
  j.media = 6;
  j.videoBitrate = 1;
  j.videoCopy = 1;
  j.sourceIsMkv = 1;
  j.subMode = 0;
  CopyFixed(j.sourceFile, "/home/user/Videos/Movie.2010.mkv");
  CopyFixed(j.sourceBdFolder, "");
  CopyFixed(j.outputPath, "/home/user/AVCHD/Movie.mkv");
  CopyFixed(j.mediaLabel, "MKV Remux");
  return j;
}

QueueTest::QueueTest() {
  h.StartMainWindow();
  app().runJob = [this](App& a) { armed.push_back(a.runningJob); };
}

void QueueTest::Put(int slot, Job job, int32_t state) {
  job.state = state;
  app().queue[slot] = job;
  RedrawQueue(app());
}

void QueueTest::Select(int slot) {
  h.ui().SetCtrlVal(panel(), PANEL_COLA2, slot);
  h.ui().FireCtrlEvent(panel(), PANEL_COLA2, ui::EVENT_VAL_CHANGED);
}

void QueueTest::Click(int control) { h.ui().FireCtrlEvent(panel(), control, ui::EVENT_COMMIT); }

void QueueTest::ChooseFromMenu(int item) {
  h.ui().Script().PickMenuItem(item);
  h.ui().FireCtrlEvent(panel(), PANEL_COLA2, ui::EVENT_RIGHT_CLICK, 100, 200);
}

void QueueTest::EndRunningJob(int32_t state) {
  ASSERT_NE(app().runningJob, -1);
  StoreState(app().queue[app().runningJob], state);
  RedrawQueue(app());
  SaveQueue(app());
  StartNextJob(app());
}

std::vector<std::string> QueueTest::JobLines() {
  std::vector<std::string> lines;
  for (const auto& item : h.ui().Items(panel(), PANEL_COLA2))
    if (item.depth == 0) lines.push_back(item.label);
  return lines;
}

std::vector<std::string> QueueTest::DetailLinesOf(int slot) {
  std::vector<std::string> lines;
  for (const auto& item : h.ui().Items(panel(), PANEL_COLA2))
    if (item.depth == 1 && ui::AsInt(item.value) == slot) lines.push_back(item.label);
  return lines;
}

bool QueueTest::Dimmed(int control) {
  return ui::AsInt(h.ui().GetCtrlAttribute(panel(), control, ui::ATTR_DIMMED)) != 0;
}

std::string QueueTest::GoLabel() {
  return ui::AsText(h.ui().GetCtrlAttribute(panel(), PANEL_GO, ui::ATTR_LABEL_TEXT));
}

std::vector<std::string> QueueTest::StoredJobNames() {
  sqlite3* db = nullptr;
  std::vector<std::string> names;
  if (sqlite3_open_v2(h.store().Path().c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
    sqlite3_stmt* query = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT name FROM registry_values WHERE name LIKE 'Job!_%' ESCAPE '!'"
                       " ORDER BY CAST(substr(name, 5) AS INTEGER)",
                       -1, &query, nullptr);
    while (query && sqlite3_step(query) == SQLITE_ROW)
      names.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(query, 0)));
    sqlite3_finalize(query);
  }
  sqlite3_close(db);
  return names;
}

}  // namespace test
