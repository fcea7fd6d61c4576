#pragma once
// The About box and the product's web page.

struct App;

void OpenAboutBox(App& app);
void CloseAboutBox(App& app, int panel);
// Opens the product's web page in the browser; nothing when the build and
// the environment name no web server.
void OpenProductWebPage(App& app);
