#pragma once

#include "ui/callback_table.h"

struct App;

void BindProgressCallbacks(App& app, ui::CallbackTable& table);
