#include "language_names.h"

#include <algorithm>
#include <cctype>

namespace eac3to {
namespace {

struct Language {
  const char* codes;  // ISO 639-2/B, 639-2/T and 639-1 codes, space-separated
  const char* name;
};

// The languages found on discs sold around the world.
constexpr Language kLanguages[] = {
    {"eng en", "English"},         {"fre fra fr", "French"},       {"ger deu de", "German"},
    {"spa es", "Spanish"},         {"ita it", "Italian"},          {"por pt", "Portuguese"},
    {"dut nld nl", "Dutch"},       {"dan da", "Danish"},           {"swe sv", "Swedish"},
    {"nor no nob nno nb nn", "Norwegian"}, {"fin fi", "Finnish"},  {"ice isl is", "Icelandic"},
    {"pol pl", "Polish"},          {"cze ces cs", "Czech"},        {"slo slk sk", "Slovak"},
    {"hun hu", "Hungarian"},       {"rum ron ro", "Romanian"},     {"bul bg", "Bulgarian"},
    {"gre ell el", "Greek"},       {"tur tr", "Turkish"},          {"rus ru", "Russian"},
    {"ukr uk", "Ukrainian"},       {"scr hrv hr", "Croatian"},     {"scc srp sr", "Serbian"},
    {"slv sl", "Slovenian"},       {"est et", "Estonian"},         {"lav lv", "Latvian"},
    {"lit lt", "Lithuanian"},      {"heb he", "Hebrew"},           {"ara ar", "Arabic"},
    {"per fas fa", "Persian"},     {"hin hi", "Hindi"},            {"tam ta", "Tamil"},
    {"tel te", "Telugu"},          {"tha th", "Thai"},             {"vie vi", "Vietnamese"},
    {"ind id", "Indonesian"},      {"may msa ms", "Malay"},        {"chi zho zh", "Chinese"},
    {"jpn ja", "Japanese"},        {"kor ko", "Korean"},           {"cat ca", "Catalan"},
    {"baq eus eu", "Basque"},      {"glg gl", "Galician"},         {"gle ga", "Irish"},
    {"wel cym cy", "Welsh"},       {"mac mkd mk", "Macedonian"},   {"alb sqi sq", "Albanian"},
    {"bos bs", "Bosnian"},         {"afr af", "Afrikaans"},        {"fil tgl tl", "Filipino"},
    {"ben bn", "Bengali"},         {"urd ur", "Urdu"},             {"lat la", "Latin"},
    {"zxx", "No linguistic content"}, {"und", "Undetermined"},
};

bool HasCode(const char* codes, const std::string& code) {
  const std::string list = std::string(" ") + codes + " ";
  return list.find(" " + code + " ") != std::string::npos;
}

}  // namespace

std::string LanguageName(const std::string& code) {
  std::string lower = code;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (const auto& language : kLanguages)
    if (HasCode(language.codes, lower)) return language.name;
  return code;
}

}  // namespace eac3to
