#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "source/language_tables.h"
#include "source/source_info.h"
#include "source/track_languages.h"

namespace {

std::string NameOf(const std::string& code, const char* before = "") {
  char name[22];
  std::strcpy(name, before);
  LanguageName(code, name);
  return name;
}

std::string Code3Of(const std::string& code) {
  char out[8];
  std::strncpy(out, code.c_str(), sizeof out - 1);
  out[sizeof out - 1] = '\0';
  LanguageCode3(out, out);
  return out;
}

TEST(LanguageTables, StoredRowsAndSpellings) {
  EXPECT_EQ(TwoLetterCodeRows().size(), 183u);
  EXPECT_EQ(LanguageNameRows().size(), 209u);
  EXPECT_EQ(NameOf("ger"), "German");
  EXPECT_EQ(NameOf("deu"), "German");
  EXPECT_EQ(NameOf("und"), "Undetermined");
  EXPECT_EQ(NameOf("bam"), "Bambra");
  EXPECT_EQ(NameOf("jpn"), "Japanse");
  EXPECT_EQ(NameOf("srp"), "Servbian");
  EXPECT_EQ(NameOf("vol"), "Volap\u00FCk");
  EXPECT_EQ(NameOf("nob"), "Norwegian Bokm\u00E5l");
  EXPECT_EQ(NameOf("ton"), "Tonga (Tonga Islands)");  // all 22 bytes of the field
}

TEST(LanguageTables, CodesWithoutARowLeaveTheOutputAsItWas) {
  EXPECT_EQ(NameOf("ENG", "kept"), "kept");
  EXPECT_EQ(NameOf("en", "kept"), "kept");
  EXPECT_EQ(NameOf("", "kept"), "kept");
  EXPECT_EQ(NameOf("xyz", "kept"), "kept");
  EXPECT_EQ(Code3Of("hy"), "hy");
  EXPECT_EQ(Code3Of("kv"), "kv");
  EXPECT_EQ(Code3Of("EN"), "EN");
}

TEST(LanguageTables, TwoLetterCodesGiveTerminologyCodesThatHaveNames) {
  EXPECT_EQ(Code3Of("de"), "deu");
  EXPECT_EQ(Code3Of("fr"), "fra");
  EXPECT_EQ(Code3Of("cs"), "ces");
  EXPECT_EQ(Code3Of("nl"), "nld");
  EXPECT_EQ(Code3Of("zh"), "zho");
  EXPECT_EQ(Code3Of("es"), "spa");
  EXPECT_EQ(Code3Of("lt"), "lit");
  std::set<std::string> codes;
  for (const auto& row : TwoLetterCodeRows()) {
    codes.insert(row.code);
    EXPECT_NE(NameOf(row.value, "?"), "?") << row.code << " -> " << row.value;
  }
  EXPECT_EQ(codes.size(), 182u);
}

TEST(NormaliseTrackLanguages, CodesThenNamesOfSubtitlesAndAudio) {
  SourceInfo source{};
  source.audioCount = 2;
  std::strcpy(source.audio[0].language, "de");
  std::strcpy(source.audio[1].language, "eng");
  std::strcpy(source.audio[1].languageName, "Original");
  source.subtitleCount = 2;
  std::strcpy(source.subtitle[1].language, "hy");
  source.audio[2].language[0] = '\0';  // beyond the count: untouched
  NormaliseTrackLanguages(source);
  EXPECT_STREQ(source.audio[0].language, "deu");
  EXPECT_STREQ(source.audio[0].languageName, "German");
  EXPECT_STREQ(source.audio[1].languageName, "Original");
  EXPECT_STREQ(source.subtitle[0].language, "und");
  EXPECT_STREQ(source.subtitle[0].languageName, "Undetermined");
  EXPECT_STREQ(source.subtitle[1].language, "hy");
  EXPECT_STREQ(source.subtitle[1].languageName, "");
  EXPECT_STREQ(source.audio[2].language, "");
}

}  // namespace
