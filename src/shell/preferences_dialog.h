#pragma once
// The modal preferences dialog (Options > Settings...): every preference
// of the settings shown, nothing kept until Save.

struct App;

void OpenPreferences(App& app);
// "No subtitles" on dims the forced and subtitle-language choices.
void DimSubtitleChoices(App& app, int panel);
// Keeps the dialog's values, or says which text is too long and stays.
void SavePreferences(App& app, int panel);
void CancelPreferences(App& app, int panel);
