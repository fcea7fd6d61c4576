#pragma once

struct App;

// Asks the product's web server for a newer version, on a thread of its own.
void StartVersionCheck(App& app);
