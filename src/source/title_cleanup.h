#pragma once
// A folder, disc or file name turned into a clean movie title: separators
// become blanks; disc and region marks, bracketed parts, release words,
// resolutions and encoder names are cut off; a bare year is bracketed.
// "Some.Movie.2010.1080p.BluRay.x264" becomes "Some Movie (2010)".

#include <string>

void CleanTitle(std::string& name);
