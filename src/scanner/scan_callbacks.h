#pragma once

#include "ui/callback_table.h"

struct App;

void BindScanCallbacks(App& app, ui::CallbackTable& table);
