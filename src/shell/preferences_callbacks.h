#pragma once

#include "ui/callback_table.h"

struct App;

void BindPreferencesCallbacks(App& app, ui::CallbackTable& table);
