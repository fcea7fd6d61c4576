#pragma once
// The product's web server: one configured address that the version check,
// the banner, the About box and the MKV title share. When it is empty the
// online services do nothing and no request leaves the machine.

#include <string>

// The environment's QUANDRELL_WEB_SERVER when it is set (set but empty
// switches the services off), else the address the build was configured
// with (CMake cache variable QUANDRELL_WEB_SERVER). "host[:port]" means
// "http://host[:port]"; trailing "/" are dropped so that paths can follow.
// A value that is not an http or https address counts as empty.
std::string ProductWebServer();

// The product's web page (the About box, the end of the MKV title): the
// server's home address; empty when no server is configured.
std::string ProductWebPage();
