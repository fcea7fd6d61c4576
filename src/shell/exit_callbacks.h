#pragma once

#include "ui/callback_table.h"

struct App;

void BindExitCallbacks(App& app, ui::CallbackTable& table);
