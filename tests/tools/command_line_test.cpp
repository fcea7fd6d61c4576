// The command lines are written with Windows quoting; these are the rules
// the templates rely on.

#include <gtest/gtest.h>

#include "tools/command_line.h"

namespace {

using Args = std::vector<std::string>;
using tools::SplitCommandLine;

TEST(CommandLine, QuotedPathsWithBlanksStayWhole) {
  EXPECT_EQ(SplitCommandLine("\"/opt/my tools/eac3to\" \"/media/My Film/BDMV\" -log=\"/tmp/a b/log.txt\""),
            (Args{"/opt/my tools/eac3to", "/media/My Film/BDMV", "-log=/tmp/a b/log.txt"}));
  EXPECT_EQ(SplitCommandLine("\"x264\" --crf 20  --vf \"pad:,,,,,1080\" -o NUL \"in.mkv\""),
            (Args{"x264", "--crf", "20", "--vf", "pad:,,,,,1080", "-o", "NUL", "in.mkv"}));
  EXPECT_EQ(SplitCommandLine("eac3to \"in.m2ts\" 2: \"v.h264\" 3: \"a.ac3\" -640"),
            (Args{"eac3to", "in.m2ts", "2:", "v.h264", "3:", "a.ac3", "-640"}));
}

TEST(CommandLine, EmptyArgumentsAndRunsOfBlanks) {
  EXPECT_EQ(SplitCommandLine("tool \"\" a\t\t\"\"  "), (Args{"tool", "", "a", ""}));
  EXPECT_EQ(SplitCommandLine("   "), Args{});
  EXPECT_EQ(SplitCommandLine("tool a\"b c\"d"), (Args{"tool", "ab cd"}));
}

TEST(CommandLine, BackslashesBeforeQuotes) {
  EXPECT_EQ(SplitCommandLine(R"(tool a\\b "c\\d" e\"f "g\\\"h" "i\\" j)"),
            (Args{"tool", R"(a\\b)", R"(c\\d)", "e\"f", "g\\\"h", "i\\", "j"}));
  EXPECT_EQ(SplitCommandLine(R"(tool "say ""hi""")"), (Args{"tool", "say \"hi\""}));
}

TEST(CommandLine, TheProgramTakesNoBackslashRules) {
  EXPECT_EQ(SplitCommandLine(R"("C:\Tools\x264\" --version)"), (Args{R"(C:\Tools\x264\)", "--version"}));
}

TEST(CommandLine, APathWithADoubleQuoteCannotBeQuoted) {
  std::string quoted;
  EXPECT_TRUE(tools::QuotePath("/media/My Film.mkv", quoted));
  EXPECT_EQ(quoted, "\"/media/My Film.mkv\"");
  EXPECT_FALSE(tools::QuotePath("/media/The \"Best\" Film.mkv", quoted));
}

}  // namespace
