#include "shell/language_choices.h"

#include <string_view>

namespace {

constexpr std::string_view kLanguages =
    "eng (English)|ara (Arabic)|bel (Belarusan)|ben (Bengali)|bul (Bulgarian)|cat (Català)|chi/zho (Chinese)|"
    "cze/ces (Czech)|dan (Dansk)|ger/deu (Deutsch)|est (Eesti Keel)|spa (Español)|baq/eus (Euskara)|"
    "fil (Filipino)|fre/fra (Français)|glg (Galego)|gle (Gaeilge)|heb (Hebrew)|hin (Hindi)|hrv (Hrvatski)|"
    "ind (Indonesian)|ita (Italiano)|jpn (Japanese)|kaz (Kazakh)|kor (Korean)|lav (Latvian)|lit (Lithuanian)|"
    "hun (Magyar)|may/zlm (Malay)|mlt (Malti)|gre/ell (Modern Greek)|dut/nld (Nederlands)|nep (Nepali)|"
    "nor (Norsk)|per/fas (Persian)|pol (Polski)|por (Português)|roh (Rumantsch)|rum/ron (Romanian)|"
    "rus (Russian)|srp (Serbian)|slk/slo (Slovak)|slv (Slovenski)|fin (Suomi)|swe (Svensk)|tha (Thai)|"
    "tur (Türkçe)|ukr (Ukrainian)|urd (Urdu)|vie (Vietnamese)";

// One code, or two joined by "/".
std::string CodesOf(std::string_view label) {
  const size_t length = label.size() > 3 && label[3] == '/' ? 7 : 3;
  return std::string(label.substr(0, length));
}

}  // namespace

std::vector<LanguageChoice> LanguageChoices() {
  std::vector<LanguageChoice> choices;
  for (size_t at = 0; at <= kLanguages.size();) {
    const size_t bar = kLanguages.find('|', at);
    const std::string_view label = kLanguages.substr(at, bar == std::string_view::npos ? bar : bar - at);
    choices.push_back({std::string(label), CodesOf(label)});
    if (bar == std::string_view::npos) break;
    at = bar + 1;
  }
  return choices;
}
