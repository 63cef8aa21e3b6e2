// plexmoor's own texts: the help, and German for everything the command
// line itself prints when the host's language is German.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>

#include "tests/common/cli_run.h"
#include "tests/common/plugin_host.h"
#include "tests/common/temp_dir.h"

using plxtest::CliResult;
using plxtest::runPlexmoor;

namespace {

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(CliText, ShortHelpIsTheHelpAndNamesEveryWindow) {
    CliResult help = runPlexmoor("--help");
    ASSERT_EQ(help.status, 0);
    CliResult shortHelp = runPlexmoor("-h");
    EXPECT_EQ(shortHelp.status, 0);
    EXPECT_EQ(shortHelp.out, help.out);
    EXPECT_EQ(runPlexmoor("export -h").out, help.out);
    for (const char* window :
         {"Prefs", "Progress", "Export", "25051", "25052", "25053", "MYDIALOG", "MSGBOX"})
        EXPECT_TRUE(std::regex_search(help.out, std::regex(std::string("\n  ") + window +
                                                           " +the [a-z]")))
            << window << " is not explained";
    CliResult german = runPlexmoor("-h --lang de");
    EXPECT_TRUE(has(german.out, "Aufruf: plexmoor BEFEHL")) << german.out;
    EXPECT_TRUE(has(german.out, "  25052      die Namensseite des Plug-ins")) << german.out;
}

TEST(CliText, EveryTextOfTheCommandLineHasItsGermanVersion) {
    // The English texts are the keys of the German table.
    std::string table = plxtest::readFile(plxtest::sourcePath("cli/messages_de.cpp"));
    ASSERT_FALSE(table.empty());
    std::regex said(R"re(say\("((?:[^"\\]|\\.)*)")re");
    std::regex counted(R"re(plural\([^"]*"((?:[^"\\]|\\.)*)",\s*"((?:[^"\\]|\\.)*)")re");
    std::set<std::string> missing;
    size_t seen = 0;
    for (const auto& entry : std::filesystem::directory_iterator(plxtest::sourcePath("cli"))) {
        std::string source = plxtest::readFile(entry.path().string());
        for (const std::regex* re : {&said, &counted})
            for (std::sregex_iterator it(source.begin(), source.end(), *re), end; it != end;
                 ++it)
                for (size_t group = 1; group < it->size(); ++group) {
                    ++seen;
                    std::string text = (*it)[group].str();
                    if (!has(table, "{\"" + text + "\",")) missing.insert(text);
                }
    }
    EXPECT_GT(seen, 50u);
    for (const std::string& text : missing) ADD_FAILURE() << "no German for: " << text;
}

TEST(CliText, GermanLabelsOfStylesStyleMenuAndPrefs) {
    plxtest::TempHome home;
    CliResult r = runPlexmoor("styles --lang de");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(has(r.out, "Default EPS\n  Medium: EPS\n  Dateiname: [Projekt]")) << r.out;
    EXPECT_TRUE(has(r.out, "  Seitenumrandung: aus\n")) << r.out;

    r = runPlexmoor("style \"Default EPS\" --frame on --lang de");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(has(r.out, "Ausgabestil \"Default EPS\" (EPS): gesichert\n")) << r.out;
    EXPECT_TRUE(has(r.out, "Seitenumrandung: ein\n")) << r.out;

    r = runPlexmoor("menu --lang de");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(has(r.out, "inaktiv\n")) << r.out;
    EXPECT_TRUE(has(r.out, "Kontextmenü: kein Layout geöffnet\n")) << r.out;

    r = runPlexmoor("prefs --lang de --logging on");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(has(r.out, "gesichert\n")) << r.out;

    r = runPlexmoor("export --lang de");
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(has(r.err, "export nimmt eine PROJEKT-Datei\nMehr mit 'plexmoor --help'.")) << r.err;
}

TEST(CliText, ThePageFrameHasOneName) {
    plxtest::TempHome home;
    CliResult r = runPlexmoor("styles");
    EXPECT_TRUE(has(r.out, "  page frame: off\n")) << r.out;
    r = runPlexmoor("style \"Default EPS\" --cancel");
    EXPECT_TRUE(has(r.out, "  Page frame: off\n")) << r.out;
    EXPECT_TRUE(has(runPlexmoor("--help").out, "--frame, --no-frame     draw the page frame"));
}

} // namespace
