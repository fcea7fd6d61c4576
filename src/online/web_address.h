#pragma once
// Whether a text is a web address this program may hand on: the server's
// configured address and a download address from the server.

#include <string_view>

// True for "http://" or "https://" (any case) followed by a host, with no
// blank or control character anywhere: nothing else is a web page, and
// nothing else may reach the desktop's "open".
bool IsWebAddress(std::string_view text);
