#pragma once
// The six x264 command lines: two passes or one constant-quality pass,
// from the source (2D) or through the side-by-side script (3D).

#include <string>

struct App;
struct JobRun;

enum class X264Pass { First, Second, ConstantQuality };

std::string X264CommandLine(const App& app, const JobRun& run, X264Pass pass);
