#pragma once

#include "ui/callback_table.h"

struct App;

void BindSourceCallbacks(App& app, ui::CallbackTable& table);
