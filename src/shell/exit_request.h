#pragma once

struct App;

// The exit button and File > Exit: asks first when a job runs, stops it on
// Yes, and ends the program.
void RequestExit(App& app);
// The user's session ends: the running job is stopped without a question
// and the program ends.
void EndSession(App& app);
