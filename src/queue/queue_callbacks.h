#pragma once

#include "ui/callback_table.h"

struct App;

void BindQueueCallbacks(App& app, ui::CallbackTable& table);
