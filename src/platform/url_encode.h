#pragma once
// Encoding a text for the query part of a web address.

#include <string>

namespace platform {

// Bytes above 0x7F and % * ! + ' ( ) ; , : & = $ / ? # [ ] @ become "%XX"
// (upper-case hex), a blank becomes "+", the rest stays. A text longer than
// 999 characters is returned as it is. The result may be three times as
// long as the text.
std::string UrlEncodeQuery(const std::string& text);

}  // namespace platform
