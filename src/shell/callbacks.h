#pragma once

#include "ui/callback_table.h"

struct App;

// Every callback of the window definition, bound to its function by name.
ui::CallbackTable BindAllCallbacks(App& app);
