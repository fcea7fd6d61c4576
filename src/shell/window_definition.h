#pragma once
// The window definition installed beside the program, checked against the
// constants this program was built with.

#include <string>

#include "ui/uir_model.h"

// Loads "<programDir>/Quandrell.uir". Returns an empty text on success,
// else what is wrong, in words for the user.
std::string LoadWindowDefinition(const std::string& programDir, ui::UirModel& model);
