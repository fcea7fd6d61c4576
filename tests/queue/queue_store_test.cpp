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
    std::copy(text.begin(), text.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
    return *this;
  }
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

// A blob built at the documented offsets loads field by field and is
// stored back byte for byte.
TEST_F(QueueStoreTest, AStoredBlobLoadsFieldByFieldAndIsStoredBackUnchanged) {
  Blob b;
  b.Int(0, JobFailed).Int(4, 9500).Int(8, 1).Int(12, 1000).Int(28, 640).Byte(32, 3).Byte(34, 1);
  b.Int(36, 1280).Int(56, 800).Text(64, "VC-1").Text(80, "Film").Text(340, "/d/F/BDMV/STREAM/00001.m2ts");
  b.Text(860, "/o/Film").Text(1120, "24000/1001").Text(1168, "fre").Text(1200, "00055+00056");
  b.Text(4200, "00:00:00.000;00:10:00.000").Text(7200, "slow").Text(7216, "grain");
  b.Text(7320, "--aq-mode 3").Int(7448, 2).Int(7452, 544).Byte(7456, 2).Byte(7457, 1).Byte(7461, 7);
  b.Text(890, "tail bytes after a terminator stay as they are");
  Store(12, b.bytes);
  Restart();

  const Job& j = app().queue[12];
  EXPECT_EQ(j.state, JobFailed);
  EXPECT_EQ(j.videoBitrate, 9500);
  EXPECT_EQ(j.media, 1);
  EXPECT_EQ(j.frameCount, 1000);
  EXPECT_EQ(j.audioTarget, 640);
  EXPECT_EQ(j.audioTrackNo, 3);
  EXPECT_EQ(j.x264UseLavf, 1);
  EXPECT_EQ(j.videoWidth, 1280);
  EXPECT_EQ(j.joinPlaylist, 800);
  EXPECT_STREQ(j.videoCodec, "VC-1");
  EXPECT_STREQ(j.name, "Film");
  EXPECT_STREQ(j.sourceFile, "/d/F/BDMV/STREAM/00001.m2ts");
  EXPECT_STREQ(j.outputPath, "/o/Film");
  EXPECT_STREQ(j.fpsRational, "24000/1001");
  EXPECT_STREQ(j.audioLang, "fre");
  EXPECT_STREQ(j.joinClips, "00055+00056");
  EXPECT_STREQ(j.chapters, "00:00:00.000;00:10:00.000");
  EXPECT_STREQ(j.x264Preset, "slow");
  EXPECT_STREQ(j.x264Tune, "grain");
  EXPECT_STREQ(j.x264ExtraOptions, "--aq-mode 3");
  EXPECT_EQ(j.resize720, 2);
  EXPECT_EQ(j.cropHeight, 544);
  EXPECT_EQ(j.videoTrackNo, 2);
  EXPECT_EQ(j.sourceIsMkv, 1);
  EXPECT_EQ(j.bdTitleNo, 7);

  SaveQueue(app());
  EXPECT_EQ(Stored(12).bytes, b.bytes);
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
