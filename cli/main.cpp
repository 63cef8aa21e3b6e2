// plexmoor: runs the stand-in host with the Plexmoor plug-in loaded and
// does what a person would do with it.
#include <cstdio>

#include "cli/commands.h"

namespace plxcli {

void printHelp() {
    std::printf(
        "Usage: plexmoor COMMAND [OPTIONS]\n"
        "\n"
        "Runs the stand-in page-layout host with the Plexmoor plug-in loaded.\n"
        "\n"
        "Commands:\n"
        "  info PROJECT      open a project file and show its layouts, pages with their\n"
        "                    labels, spreads and boxes, and how the plug-in started\n"
        "  window NAME       draw one of the plug-in's windows as SVG: Prefs, Progress,\n"
        "                    Export, MYDIALOG, MSGBOX, 25051, 25052 or 25053\n"
        "\n"
        "Options:\n"
        "  --lang en|de      the host's language (default en)\n"
        "  -o FILE           window: write the picture to FILE instead of standard output\n"
        "  --help            show this help\n"
        "  --version         show the version\n"
        "\n"
        "The plug-in module is read from ../lib/Plexmoor.so beside the program, or from\n"
        "the file named by the environment variable PLEXMOOR_PLUGIN.\n");
}

} // namespace plxcli

int main(int argc, char** argv) {
    using namespace plxcli;
    Arguments args;
    std::string error;
    if (!parseArguments(argc, argv, &args, &error)) return usageError(error);
    if (args.options.count("--help") || args.command == "help") {
        printHelp();
        return kExitOk;
    }
    if (args.options.count("--version")) {
        std::printf("Plexmoor %s\n", PLX_VERSION);
        return kExitOk;
    }
    auto lang = args.options.find("--lang");
    if (lang != args.options.end() && lang->second != "en" && lang->second != "de")
        return usageError("--lang is en or de, not " + lang->second);
    if (args.command.empty()) return usageError("no command given");
    if (args.command == "info") return runInfo(args);
    if (args.command == "window") return runWindow(args);
    return usageError("unknown command " + args.command);
}
