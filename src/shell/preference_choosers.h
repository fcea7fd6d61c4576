#pragma once
// The choosers and buttons of the preferences dialog. What they choose
// goes into the dialog's boxes; nothing is kept until Save.

struct App;

void ChooseTempFolder(App& app, int panel);
void ChooseOutputFolder(App& app, int panel);
void ChooseSoundFile(App& app, int panel);
void PlayChosenSound(App& app, int panel);
void ChooseSubtitleFont(App& app, int panel);
void ResetSubtitleFont(App& app, int panel);
