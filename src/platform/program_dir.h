#pragma once
#include <string>

namespace platform {

// The folder of the running executable: the window definition, the
// finish sound and the stand-in tools sit there.
std::string ProgramDir();

}  // namespace platform
