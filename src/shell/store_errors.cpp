#include "shell/store_errors.h"

#include "shell/app.h"

void TellStoreFailure(App& app, const std::string& what) {
  ++app.storeFailures;
  app.ui.MessagePopup("ERROR", what + "\n\nThe settings store " + app.store.Path() +
                                   " did not take it: " + app.store.LastError() + ".");
}
