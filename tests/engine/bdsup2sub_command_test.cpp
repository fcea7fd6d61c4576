// The BDSup2Sub command line: which subtitles go in, and the crop and
// resize options.

#include "engine/job_run.h"
#include "engine/subtitle_steps.h"
#include "engine_fixture.h"
#include "platform/fixed_text.h"

namespace {

class BdSup2SubCommand : public test::EngineTest {
 protected:
  BdSup2SubCommand() {
    job_ = test::Bd25Job("Movie", source, Scratch("Movie.mkv"));
    job_.media = 6;
    job_.subMode = 1;
  }
  std::string CommandLine() {
    Put(2, job_);
    JobRun run(app(), 2);
    return BdSup2SubCommandLine(app(), run);
  }
  std::string Expected(const std::string& input, const std::string& options) {
    return "java -Xmx256m -jar \"" + Tool("bdsup2sub/bdsup2sub400.jar") + "\" \"" + Temp(input) + "\" \"" +
           Temp("Movie.job_2.resized.sup") + "\" /fps:keep" + options;
  }
  Job job_;
};

TEST_F(BdSup2SubCommand, ACropMovesThePicturesByHalfOfWhatItTakesOff) {
  job_.cropHeight = 800;
  EXPECT_EQ(CommandLine(), Expected("Movie.job_2.sup", " /cropy:140"));
  job_.cropHeight = 817;
  EXPECT_EQ(CommandLine(), Expected("Movie.job_2.sup", " /cropy:131"));
}

TEST_F(BdSup2SubCommand, AResizeLeavesTheCropOut) {
  job_.cropHeight = 800;
  job_.resize720 = 2;
  EXPECT_EQ(CommandLine(), Expected("Movie.job_2.sup", " /res:720p /filter:lanczos3"));
}

TEST_F(BdSup2SubCommand, ForcedCaptionsAreTakenFromTheirOwnFile) {
  job_.subMode = 3;
  job_.resize720 = 1;
  EXPECT_EQ(CommandLine(), Expected("Movie.job_2.forced.sup", " /res:720p /filter:lanczos3"));
}

}  // namespace
