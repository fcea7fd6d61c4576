#pragma once
// A save the store did not take is never silent: a popup in the window, a
// line on standard error under --run (the popups' echo there), whose exit
// code then says that the queue could not go on as it should.

#include <string>

struct App;

// Shows `what` and why the store refused it, and counts the failure.
void TellStoreFailure(App& app, const std::string& what);
