#include <cstdio>
#include <set>

#include "cli/commands.h"
#include "cli/messages.h"

namespace plxcli {

namespace {

// Options that take a value; every other known option is a flag.
const std::set<std::string> kValueOptions = {
    "--lang",    "-o",     "--last-folder", "--logging",   "--add-always", "--medium",
    "--spreads", "--base", "--separator",   "--numbering", "--suffix",     "--number-before-name",
    "--layout",  "--page", "--pages",       "--offset",    "--style",      "--to"};
const std::set<std::string> kFlagOptions = {"--help",     "-h",        "--version", "--panel", "--cancel",
                                            "--all",      "--absolute", "--no-frame",
                                            "--save"};

// "--frame" says on or off for a style, and stands alone for an export.
bool takesValue(const std::string& name, const std::string& command) {
    if (name == "--frame") return command == "style";
    return kValueOptions.count(name) > 0;
}

bool isFlag(const std::string& name, const std::string& command) {
    if (name == "--frame") return command != "style";
    return kFlagOptions.count(name) > 0;
}
// Options whose value may be left out: they take the next word only when
// it is a number.
const std::set<std::string> kNumberOptions = {"--box"};

bool isNumber(const std::string& word) {
    return !word.empty() && word.find_first_not_of("0123456789") == std::string::npos;
}

} // namespace

bool parseArguments(int argc, char** argv, Arguments* out, std::string* error) {
    for (int i = 1; i < argc; ++i) {
        std::string word = argv[i];
        bool isOption = (word.size() > 2 && word.compare(0, 2, "--") == 0) ||
                        (word.size() == 2 && word[0] == '-' && word[1] != '-');
        if (isOption) {
            std::string name = word, value;
            size_t eq = word.find('=');
            bool inlineValue = eq != std::string::npos;
            if (inlineValue) {
                name = word.substr(0, eq);
                value = word.substr(eq + 1);
            }
            if (kNumberOptions.count(name)) {
                if (!inlineValue && i + 1 < argc && isNumber(argv[i + 1])) value = argv[++i];
                if (!value.empty() && !isNumber(value)) {
                    *error = say("%1 takes a number, not %2", {name, value});
                    return false;
                }
            } else if (takesValue(name, out->command)) {
                if (!inlineValue) {
                    if (i + 1 >= argc) {
                        *error = say("%1 needs a value", {name});
                        return false;
                    }
                    value = argv[++i];
                }
            } else if (!isFlag(name, out->command) || inlineValue) {
                *error = say("unknown option %1", {word});
                return false;
            }
            out->options[name] = value;
        } else if (out->command.empty()) {
            out->command = word;
        } else {
            out->positional.push_back(word);
        }
    }
    return true;
}

SessionOptions sessionOptions(const Arguments& args) {
    SessionOptions s;
    // The host shows its own windows natively where the platform has them
    // (the plug-in's panels are then made by its native toolkit).
    s.host.nativeWindows = true;
    auto lang = args.options.find("--lang");
    if (lang != args.options.end() && lang->second == "de") s.language = 3;
    return s;
}

bool parseOnOff(const std::string& word, bool* on) {
    if (word != "on" && word != "off") return false;
    *on = word == "on";
    return true;
}

int usageError(const std::string& message) {
    std::fprintf(stderr, "plexmoor: %s\n%s\n", message.c_str(), say("Try 'plexmoor --help'.").c_str());
    return kExitUsage;
}

int failure(const std::string& message) {
    std::fprintf(stderr, "plexmoor: %s\n", message.c_str());
    return kExitFailed;
}

} // namespace plxcli
