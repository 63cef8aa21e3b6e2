// The two surfaces that edit the preferences "LastFolder", "Logging" and
// "AddAlways": the plug-in's own preferences dialog (menu command
// "Preferences") and the panel in the host's preferences window. Both show
// the three as check boxes 3, 4 and 5 and store them only when confirmed.
#pragma once

#include <cstdint>

#include "plugin/dialogs/dialogs.h"

// Ids of the three check boxes in the dialog "Prefs" and in template 25053.
constexpr int32_t kPrefsLastFolder = 3;
constexpr int32_t kPrefsLogging = 4;
constexpr int32_t kPrefsAddAlways = 5;

// Sets the three check boxes of a dialog or panel from the preferences.
void showPrefs(PlxWindow window);
// Stores the three check boxes ("FolderPath" is left as it is, "Logging"
// switches the log at once) and saves the settings file; a save that fails
// is shown to the user and the values stay. Each key written moves to the
// top of its section, so the order decides how the file reads: the dialog
// writes "LastFolder", "Logging", "AddAlways"; the panel "Logging",
// "LastFolder", "AddAlways".
enum class PrefsSurface { Dialog, Panel };
void storeShownPrefs(PlxWindow window, PrefsSurface surface);

// Shows the dialog "Prefs" modally. OK stores the three check boxes and
// saves the settings file; Cancel stores nothing. Returns the dialog's
// result (1 OK, 2 Cancel, 0 when it could not be shown).
int32_t doPrefsDlg();

// The handler of the preferences panel, registered under the first
// reserved callback identifier (xt/xtpanels.h tells the messages).
int32_t prefsPanelCallback(void* cbRecord);
