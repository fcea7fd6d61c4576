#pragma once

#include <string>

namespace eac3to {

// English name of an ISO 639-2 (B or T) or ISO 639-1 code, e.g. "ger" and
// "deu" and "de" give "German"; an unknown code comes back unchanged.
std::string LanguageName(const std::string& code);

}  // namespace eac3to
