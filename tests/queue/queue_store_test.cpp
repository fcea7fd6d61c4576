// The queue in the store: one REG_BINARY value "Job_%d" of 7,464 bytes per
// kept slot, read back safely whatever the store holds.

#include <cstring>

#include "platform/fixed_text.h"
#include "queue/queue_control.h"
#include "queue/queue_display.h"
#include "queue/queue_fixture.h"
#include "queue/queue_store.h"

namespace {

using platform::kQuandrellKey;
using platform::ReadStatus;
using test::QueueTest;

// Little-endian bytes written at fixed offsets: the stored layout, built
// without the record so that a change of the record shows.
struct Blob {
  std::vector<uint8_t> bytes = std::vector<uint8_t>(7464, 0);
  Blob& Int(size_t at, int32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i));
    return *this;
  }
  Blob& Byte(size_t at, uint8_t v) {
    bytes[at] = v;
    return *this;
  }
  Blob& Text(size_t at, const std::string& text) {
    std::memcpy(bytes.data() + at, text.data(), text.size());
    return *this;
  }
  int32_t IntAt(size_t at) const {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(bytes[at + i]) << (8 * i);
    return static_cast<int32_t>(v);
  }
  std::string TextAt(size_t at) const { return reinterpret_cast<const char*>(bytes.data() + at); }
};

class QueueStoreTest : public QueueTest {
 protected:
  void Store(int slot, const std::vector<uint8_t>& bytes) {
    h.store().Write(kQuandrellKey, "Job_" + std::to_string(slot), platform::REG_BINARY, bytes.data(),
                    bytes.size());
  }
  Blob Stored(int slot) {
    Blob blob;
    uint32_t type = 0;
    EXPECT_EQ(h.store().Read(kQuandrellKey, "Job_" + std::to_string(slot), 10000, blob.bytes, &type),
              ReadStatus::Ok);
    EXPECT_EQ(type, platform::REG_BINARY);
    return blob;
  }
  // What the next start of the program finds.
  void Restart() {
    app().queue = JobQueue{};
    LoadQueue(app());
    RedrawQueue(app());
  }
};

TEST_F(QueueStoreTest, AJobIsStoredByteForByteInFieldOrder) {
  Job job = test::BlurayJob();
  job.audioKeepHd = 1;
  job.resize720 = 2;
  job.cropHeight = 800;
  job.mode3d = 2;
  job.bdTitleNo = 7;
  platform::CopyFixed(job.joinClips, "00055+00056");
  platform::CopyFixed(job.x264ExtraOptions, "--aq-mode 3");
  Put(3, job, JobX264Pass2);
  SaveQueue(app());

  const Blob b = Stored(3);
  ASSERT_EQ(b.bytes.size(), 7464u);
  EXPECT_EQ(b.IntAt(0), JobX264Pass2);
  EXPECT_EQ(b.IntAt(4), 18000);
  EXPECT_EQ(b.IntAt(8), 3);
  EXPECT_EQ(b.IntAt(12), 172800);
  EXPECT_EQ(b.IntAt(16), 4352);
  EXPECT_EQ(b.bytes[32], 3);  // audioTrackNo
  EXPECT_EQ(b.bytes[33], 1);  // audioKeepHd
  EXPECT_EQ(b.IntAt(44), 4608);
  EXPECT_EQ(b.IntAt(48), 1);
  EXPECT_EQ(b.IntAt(52), 4113);
  EXPECT_EQ(b.TextAt(64), "AVC");
  EXPECT_EQ(b.TextAt(80), "Movie");
  EXPECT_EQ(b.TextAt(340), "/media/discs/MOVIE/BDMV/PLAYLIST/00800.mpls");
  EXPECT_EQ(b.TextAt(600), "/media/discs/MOVIE");
  EXPECT_EQ(b.TextAt(860), "/home/user/AVCHD/Movie");
  EXPECT_EQ(b.TextAt(1120), "24000/1001");
  EXPECT_EQ(b.TextAt(1136), "23.976");
  EXPECT_EQ(b.TextAt(1160), "A_AC3");
  EXPECT_EQ(b.TextAt(1176), "S_HDMV/PGS");
  EXPECT_EQ(b.TextAt(1192), "spa");
  EXPECT_EQ(b.TextAt(1200), "00055+00056");
  EXPECT_EQ(b.TextAt(7200), "slow");
  EXPECT_EQ(b.TextAt(7232), "BD-25");
  EXPECT_EQ(b.TextAt(7320), "--aq-mode 3");
  EXPECT_EQ(b.IntAt(7448), 2);
  EXPECT_EQ(b.IntAt(7452), 800);
  EXPECT_EQ(b.bytes[7456], 2);  // videoTrackNo
  EXPECT_EQ(b.bytes[7460], 2);  // mode3d
  EXPECT_EQ(b.bytes[7461], 7);  // bdTitleNo
  EXPECT_EQ(b.bytes[7462], 0);
  EXPECT_EQ(b.bytes[7463], 0);
}

TEST_F(QueueStoreTest, AStoredBlobLoadsFieldByField) {
  Blob b;
  b.Int(0, JobFailed).Int(4, 9500).Int(8, 1).Int(12, 1000).Int(28, 640).Byte(34, 1).Int(36, 1280);
  b.Int(56, 800).Text(64, "VC-1").Text(80, "Film").Text(340, "/d/F/BDMV/STREAM/00001.m2ts");
  b.Text(860, "/o/Film").Text(1168, "fre").Text(4200, "00:00:00.000;00:10:00.000");
  b.Text(7216, "grain").Int(7452, 544).Byte(7457, 1).Byte(7461, 2);
  Store(12, b.bytes);
  Restart();

  const Job& j = app().queue[12];
  EXPECT_EQ(j.state, JobFailed);
  EXPECT_EQ(j.videoBitrate, 9500);
  EXPECT_EQ(j.media, 1);
  EXPECT_EQ(j.frameCount, 1000);
  EXPECT_EQ(j.audioTarget, 640);
  EXPECT_EQ(j.x264UseLavf, 1);
  EXPECT_EQ(j.videoWidth, 1280);
  EXPECT_EQ(j.joinPlaylist, 800);
  EXPECT_STREQ(j.videoCodec, "VC-1");
  EXPECT_STREQ(j.name, "Film");
  EXPECT_STREQ(j.sourceFile, "/d/F/BDMV/STREAM/00001.m2ts");
  EXPECT_STREQ(j.outputPath, "/o/Film");
  EXPECT_STREQ(j.audioLang, "fre");
  EXPECT_STREQ(j.chapters, "00:00:00.000;00:10:00.000");
  EXPECT_STREQ(j.x264Tune, "grain");
  EXPECT_EQ(j.cropHeight, 544);
  EXPECT_EQ(j.sourceIsMkv, 1);
  EXPECT_EQ(j.bdTitleNo, 2);
}

TEST_F(QueueStoreTest, OnlyOccupiedSlotsAreStoredUnderTheirIndex) {
  Put(0, test::BlurayJob());
  Put(5, test::BlurayJob(), JobStopped);
  Put(17, test::BlurayJob(), JobFailed);
  SaveQueue(app());
  EXPECT_EQ(StoredJobNames(), (std::vector<std::string>{"Job_0", "Job_5", "Job_17"}));

  Select(5);
  h.ui().Script().Answer(1);
  Click(PANEL_DELETE);
  EXPECT_EQ(StoredJobNames(), (std::vector<std::string>{"Job_0", "Job_17"}));
}

TEST_F(QueueStoreTest, RunningAndFailedStatesAreKeptCompletedOnesDeleted) {
  const int32_t states[] = {JobPending, JobStopped,  JobDemuxing, JobX264Pass1, JobX264Pass2, JobX264Crf,
                            JobTsMuxer, JobMkvMerge, JobFinished, JobCanceled,  JobFailed};
  for (int i = 0; i < 11; ++i) Put(i, test::BlurayJob(), JobPending);
  SaveQueue(app());
  for (int i = 0; i < 11; ++i) StoreState(app().queue[i], states[i]);
  SaveQueue(app());
  EXPECT_EQ(StoredJobNames(), (std::vector<std::string>{"Job_0", "Job_1", "Job_2", "Job_3", "Job_4", "Job_5",
                                                        "Job_6", "Job_7", "Job_10"}));
}

TEST_F(QueueStoreTest, AJobCutOffInPass2ComesBackStoppedAndRunsFirst) {
  Put(1, test::BlurayJob(), JobPending);
  Put(4, test::BlurayJob(), JobX264Pass2);
  Put(6, test::BlurayJob(), JobFailed);
  SaveQueue(app());
  Restart();  // no stop path: as after a crash

  EXPECT_EQ(State(1), JobPending);
  EXPECT_EQ(State(4), JobStopped);
  EXPECT_EQ(State(6), JobFailed);
  EXPECT_EQ(JobLines()[1], "[STOPPED]          /home/user/AVCHD/Movie (BD-25 / 18000 Kbps / slow)");
  EXPECT_EQ(PickNextJob(app()), 4);
}

TEST_F(QueueStoreTest, AFinishedJobIsGoneAfterRestart) {
  Put(2, test::BlurayJob(), JobPending);
  SaveQueue(app());
  StoreState(app().queue[2], JobFinished);
  SaveQueue(app());
  Restart();
  EXPECT_TRUE(JobLines().empty());
}

TEST_F(QueueStoreTest, AShortValueFillsOnlyTheStartOfTheSlot) {
  Blob b;
  b.Int(0, JobPending).Int(4, 7000).Text(64, "AVC").Text(80, "Short");
  b.bytes.resize(90);  // ends inside `name`
  Store(8, b.bytes);
  b.bytes.resize(2);   // not even the whole state word
  Store(9, b.bytes);
  Restart();

  EXPECT_EQ(app().queue[8].videoBitrate, 7000);
  EXPECT_STREQ(app().queue[8].videoCodec, "AVC");
  EXPECT_STREQ(app().queue[8].name, "Short");
  EXPECT_STREQ(app().queue[8].outputPath, "");
  EXPECT_EQ(app().queue[8].cropHeight, 0);
  EXPECT_EQ(State(9), JobPending);
  EXPECT_EQ(app().queue[9].videoBitrate, 0);
}

TEST_F(QueueStoreTest, ALongerValueOrAnUnknownStateGivesAFreeSlot) {
  Blob b;
  b.Int(0, JobPending).Text(860, "/o/too-long");
  std::vector<uint8_t> longer = b.bytes;
  longer.push_back(0);
  Store(1, longer);
  const int32_t unknown[] = {4, 13, -1, 0x01000001};
  for (int i = 0; i < 4; ++i) Store(2 + i, b.Int(0, unknown[i]).bytes);
  Restart();

  for (int slot = 0; slot < kQueueSlots; ++slot) EXPECT_EQ(State(slot), JobFree) << slot;
  EXPECT_TRUE(JobLines().empty());
  EXPECT_EQ(PickNextJob(app()), -1);
  SaveQueue(app());
  EXPECT_TRUE(StoredJobNames().empty());
}

TEST_F(QueueStoreTest, UnterminatedTextIsCutAtItsCapacityBetweenCharacters) {
  Blob b;
  b.Int(0, JobPending).Int(60, 1);
  b.Text(860, std::string(258, 'o') + "\xC3\xA9");  // outputPath: 260 bytes, no end
  b.Text(7232, std::string(16, 'M'));                // mediaLabel
  b.Text(7320, std::string(128, 'x'));               // x264ExtraOptions, then resize720
  Store(0, b.bytes);
  Restart();

  const Job& j = app().queue[0];
  EXPECT_EQ(std::strlen(j.outputPath), 258u);
  EXPECT_EQ(std::strlen(j.mediaLabel), 15u);
  EXPECT_EQ(std::strlen(j.x264ExtraOptions), 127u);
  EXPECT_EQ(JobLines()[0], "[PENDING]          " + std::string(258, 'o') + " (" + std::string(15, 'M') + ")");
}

}  // namespace
