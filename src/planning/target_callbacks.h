#pragma once

#include "ui/callback_table.h"

struct App;

void BindTargetCallbacks(App& app, ui::CallbackTable& table);
