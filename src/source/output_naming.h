#pragma once
// The names of the outputs, made from the source's folder, disc or file
// name: cleaned up, optionally replaced by the title the lookup found, in
// upper case for the AVCHD folder and title-cased for the MKV file.

#include <string>

#include "source/imdb_pages.h"

struct App;

// The name a source path gives before cleanup: for a Blu-ray clip the
// disc root's folder (the folder before "/BDMV"), or the label of the
// filesystem mounted there; else the file name without its extension.
std::string SourceNameOf(const std::string& path);

// The output name a naming mode (1 to 5) makes of a lookup's result.
std::string TitleNameByMode(int mode, const TitleMatch& match);

// Fills outputFolderPath and outputMkvPath from the source path, shows or
// hides the IMDB picture and shows the output path.
void NameOutputs(App& app, const std::string& path);

// MEDIA entries 6 and 7 are the two MKV targets.
bool MkvMediaChosen(App& app);
// OUT shows the MKV file for MKV targets, else the AVCHD folder.
void ShowOutputPath(App& app);
