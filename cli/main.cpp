// plexmoor: runs the stand-in host with the Plexmoor plug-in loaded and
// does what a person would do with it. The platform's entry point
// (cli/platform/*/entry_*.cpp) hands the arguments over in UTF-8.
#include <cstdio>

#include <string>

#include "cli/commands.h"
#include "cli/messages.h"

namespace plxcli {

int runCommandLine(int argc, char** argv) {
    Arguments args;
    std::string error;
    // The language first, so that even a usage error is told in it.
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--lang") setGerman(std::string(argv[i + 1]) == "de");
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]) == "--lang=de") setGerman(true);
    if (!parseArguments(argc, argv, &args, &error)) return usageError(error);
    if (args.options.count("--help") || args.options.count("-h") || args.command == "help") {
        printHelp();
        return kExitOk;
    }
    if (args.options.count("--version")) {
        std::printf("Plexmoor %s\n", PLX_VERSION);
        return kExitOk;
    }
    auto lang = args.options.find("--lang");
    if (lang != args.options.end() && lang->second != "en" && lang->second != "de")
        return usageError(say("--lang is en or de, not %1", {lang->second}));
    if (args.command.empty()) return usageError(say("no command given"));
    if (args.command == "info") return runInfo(args);
    if (args.command == "window") return runWindow(args);
    if (args.command == "menu") return runMenu(args);
    if (args.command == "prefs") return runPrefs(args);
    if (args.command == "style") return runStyle(args);
    if (args.command == "about") return runAbout(args);
    if (args.command == "export") return runExport(args);
    if (args.command == "styles") return runStyles(args);
    return usageError(say("unknown command %1", {args.command}));
}

} // namespace plxcli
