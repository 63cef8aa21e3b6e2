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
        "  export PROJECT    export pages (or a box) of a layout through the plug-in's\n"
        "                    export command and its dialog, filled as a person would\n"
        "  styles            list the output styles with their medium and the naming\n"
        "                    options the plug-in's panel shows for each\n"
        "  window NAME       draw one of the plug-in's windows as SVG: Prefs, Progress,\n"
        "                    Export, MYDIALOG, MSGBOX, 25051, 25052 or 25053\n"
        "  menu [PROJECT]    show the plug-in's menu and its context-menu entry, each\n"
        "                    command enabled or not, with PROJECT open (else none)\n"
        "  prefs             show the plug-in's preferences, or set them with the\n"
        "                    options below in its preferences dialog\n"
        "  style NAME        edit the naming options of the output style NAME in the\n"
        "                    plug-in's panel of the host's style editor, then save\n"
        "  about             show the plug-in's about box\n"
        "\n"
        "Options:\n"
        "  --lang en|de      the host's language (default en)\n"
        "  --help            show this help\n"
        "  --version         show the version\n"
        "  -o FILE           window: write the picture to FILE instead of standard output\n"
        "  --box [ID]        menu, export: select box ID of the front layout first (without\n"
        "                    ID, the layout's selected box)\n"
        "  --last-folder on|off, --logging on|off, --add-always on|off\n"
        "                    prefs: the three preferences, confirmed with OK\n"
        "  --panel           prefs: use the plug-in's panel in the host's preferences\n"
        "                    window instead of the plug-in's own dialog\n"
        "  --medium eps|pdf  style: make the style with this medium if it does not exist\n"
        "  --spreads on|off  style: the host's own option to output spreads\n"
        "  --base project|layout, --separator S, --numbering x|0x|00x|000x|none,\n"
        "  --suffix S, --number-before-name on|off, --frame on|off\n"
        "                    style: the naming options (a separator or suffix longer\n"
        "                    than 31 bytes is stored empty); --frame is the page frame\n"
        "  --cancel          style: close the editor without saving\n"
        "\n"
        "Export options (what is not given stays as the dialog proposes it):\n"
        "  --layout NAME     bring that layout to the front first\n"
        "  --page N          make page N (absolute) the current page\n"
        "  --box [ID]        export that box instead of pages\n"
        "  --style NAME      choose the output style\n"
        "  --base layout|project   base name from the layout or the project name\n"
        "  --frame, --no-frame     draw a hairline frame around each page, or not\n"
        "  --absolute        absolute page numbers\n"
        "  --offset N        added to absolute page numbers in file names\n"
        "  --pages TEXT      pages, e.g. 1,3,5-7 (page labels unless --absolute)\n"
        "  --all             press \"All\"\n"
        "  --to PATH         folder and file name the output files are named from (a\n"
        "                    folder ending in / keeps the name the dialog proposes)\n"
        "  --save            save the project when the export stored its style in it\n"
        "\n"
        "Exit status of export: 0 the export ran, 1 the dialog was refused or cancelled,\n"
        "2 a usage error, 3 the host could not write a page.\n"
        "\n"
        "Message boxes are printed on standard error.\n"
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
    if (args.command == "menu") return runMenu(args);
    if (args.command == "prefs") return runPrefs(args);
    if (args.command == "style") return runStyle(args);
    if (args.command == "about") return runAbout(args);
    if (args.command == "export") return runExport(args);
    if (args.command == "styles") return runStyles(args);
    return usageError("unknown command " + args.command);
}
