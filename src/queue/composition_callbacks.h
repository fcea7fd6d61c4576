#pragma once

#include "ui/callback_table.h"

struct App;

void BindCompositionCallbacks(App& app, ui::CallbackTable& table);
