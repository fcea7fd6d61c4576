#include "queue/composition_callbacks.h"

#include "queue/job_composition.h"
#include "shell/app.h"

void BindCompositionCallbacks(App& app, ui::CallbackTable& table) {
  table.Bind("CallAddJob", [&app](int, int, int event, void*, int, int) {
    if (event == ui::EVENT_COMMIT) AddJob(app);
    return 0;
  });
}
