// plexmoor: runs the stand-in host with the Plexmoor plug-in loaded and
// does what a person would do with it.
#include <cstdio>

#include <string>

#include "cli/commands.h"
#include "cli/messages.h"

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
        "  window NAME       draw one of the plug-in's windows as SVG (see Windows below)\n"
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
        "  -h, --help        show this help\n"
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
        "  --style NAME      choose the output style; NAME must be one the dialog offers\n"
        "                    (an EPS or PDF style, see 'plexmoor styles')\n"
        "  --base layout|project   base name from the layout or the project name\n"
        "  --frame, --no-frame     draw the page frame (a hairline round each page), or not\n"
        "  --absolute        absolute page numbers\n"
        "  --offset N        added to absolute page numbers in file names\n"
        "  --pages TEXT      pages, e.g. 1,3,5-7 (page labels unless --absolute)\n"
        "  --all             press \"All\"\n"
        "  --to PATH         folder and file name the output files are named from,\n"
        "                    relative to the current folder; \".\", an existing folder or\n"
        "                    a path ending in / keeps the name the dialog proposes.\n"
        "                    Without --style, a name ending in .eps or .pdf picks a\n"
        "                    style of that medium (the remembered one when it fits,\n"
        "                    else the host's default); with --style it must agree\n"
        "  --save            save the project when the export stored its style in it\n"
        "\n"
        "Each file is printed on standard output as soon as it is written; a path\n"
        "written more than once in a run is reported on standard error. Ctrl-C stops\n"
        "the export after the page under way.\n"
        "\n"
        "Exit status of export: 0 every page was written, 1 the dialog refused what\n"
        "it was given (its message and a hint follow), 2 a usage error found before\n"
        "the dialog opened (the option is named), 3 the host could not write a page,\n"
        "130 stopped by Ctrl-C.\n"
        "\n"
        "Windows (for plexmoor window NAME), as the plug-in builds them:\n"
        "  Prefs      the plug-in's preferences dialog (menu Plexmoor > Preferences)\n"
        "  Progress   the progress window of an export run\n"
        "  Export     the export options as a window of their own (nothing opens it)\n"
        "  25051      the export options panel inside the export dialog\n"
        "  25052      the plug-in's naming panel in the host's output-style editor\n"
        "  25053      the plug-in's panel in the host's preferences window\n"
        "  MYDIALOG   the empty dialog every window is built into\n"
        "  MSGBOX     the plug-in's message box\n"
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
