// plexmoor prefs [--last-folder on|off] [--logging on|off]
//                [--add-always on|off] [--panel]
// The plug-in's preferences as a person sets them: in its preferences
// dialog (menu command "Preferences…"), or with --panel in the plug-in's
// panel of the host's preferences window. With options the boxes are set
// and confirmed; without, the window is looked at and cancelled. Either
// way the three preferences are printed as the window showed them last.
#include <cstdio>
#include <string>

#include "cli/columns.h"
#include "cli/commands.h"
#include "cli/messages.h"
#include "cli/person.h"
#include "cli/plugin_menu.h"
#include "host/menus.h"
#include "host/preferences_window.h"

namespace plxcli {

namespace {

// The plug-in's dialog carries its product name as title.
constexpr const char* kPrefsDialogTitle = "Plexmoor";

struct PrefsOption {
    const char* name;
    int checkBox; // the same id in the dialog and the panel
};
const PrefsOption kOptions[] = {{"--last-folder", 3}, {"--logging", 4}, {"--add-always", 5}};

} // namespace

int runPrefs(const Arguments& args) {
    if (!args.positional.empty()) return usageError(say("prefs takes no arguments"));
    bool panel = args.options.count("--panel") != 0;
    const std::string window = panel ? plxhost::kPreferencesTitle : kPrefsDialogTitle;

    Session session(sessionOptions(args));
    std::string error;
    if (!session.start(&error)) return failure(error);
    Person person;
    bool changing = false;
    for (const PrefsOption& option : kOptions) {
        auto given = args.options.find(option.name);
        if (given == args.options.end()) continue;
        bool on = false;
        if (!parseOnOff(given->second, &on))
            return usageError(say("%1 is on or off, not %2", {option.name, given->second}));
        person.check(window, option.checkBox, on);
        changing = true;
    }
    // The host's window has its buttons by title; the dialog's are 1 and 2.
    if (panel)
        person.clickTitled(window, changing ? "OK" : "Cancel");
    else
        person.click(window, changing ? 1 : 2);
    person.act();

    bool chosen = panel ? session.host().menus().choose(plxhost::kCmdPreferences)
                        : choosePluginCommand(session.host(), kPrefsItem, &error);
    if (!chosen) return failure(error.empty() ? say("the preferences cannot be opened") : error);
    std::string trouble = person.trouble();
    if (!trouble.empty()) return failure(say("the preferences could not be set:") + "\n" + trouble);
    const Person::Seen* seen = person.last(window);
    if (!seen) return failure(say("the preferences window did not open"));

    for (const PrefsOption& option : kOptions) {
        ui::ControlInfo box = controlIn(seen->closed, option.checkBox);
        std::printf("%s%s\n", padded(box.text, 28).c_str(), onOff(box.value).c_str());
    }
    if (!changing || seen->result != 1) return kExitOk;
    // The plug-in tells in a box when the settings file cannot be written;
    // the values then live only as long as this run.
    if (person.messageBoxes() > 0) return failure(say("the preferences could not be saved"));
    std::printf("%s\n", say("saved").c_str());
    return kExitOk;
}

} // namespace plxcli
