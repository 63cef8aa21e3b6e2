// The host's preferences window: its own page "General" and a page for
// each panel a plug-in adds when asked through code 279.
#pragma once

namespace plxhost {

class Host;

// Title of the window, for scripts that address it.
constexpr const char* kPreferencesTitle = "Preferences";

// Opens the window modally. OK sends every panel its save message; Cancel
// or closing the window stores nothing. Returns 1 (OK) or 2, and 0 without
// opening a second window while one is open.
int runPreferencesWindow(Host& host);

} // namespace plxhost
