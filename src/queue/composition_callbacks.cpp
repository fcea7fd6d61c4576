#include "queue/composition_callbacks.h"

#include "queue/job_composition.h"
#include "shell/callback_adapters.h"

void BindCompositionCallbacks(App& app, ui::CallbackTable& table) { table.Bind("CallAddJob", callbacks::On(app, AddJob)); }
