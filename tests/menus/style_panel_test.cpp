// The naming panel in the host's output-style editor: which styles get it,
// what it shows for a style, what Save stores and what Cancel leaves.
#include <gtest/gtest.h>

#include <cstring>

#include "host/style_editor.h"
#include "plugin/styles/style_data.h"
#include "tests/common/plugin_ui_test.h"

using namespace plxtest;

namespace {

class StylePanel : public PluginUiTest {
  protected:
    OutputStyleRef style(const char* name, uint32_t medium) {
        OutputStyleRef s = nullptr;
        std::string error;
        EXPECT_EQ(host().styles().create(name, medium, &s, &error), 0) << error;
        return s;
    }
    // Opens the editor on the style, does `actions` in the panel's tab and
    // ends with `ending`; returns what the editor showed as it opened.
    ui::ControlInfo edit(OutputStyleRef s, const std::string& actions,
                         const std::string& ending = "click \"Save\"") {
        WindowWatch watch;
        std::string text = "[Edit Output Style] choose #102 \"Plexmoor\"\n";
        size_t start = 0;
        while (start < actions.size()) {
            size_t end = actions.find('\n', start);
            if (end == std::string::npos) end = actions.size();
            text += "[Edit Output Style] " + actions.substr(start, end - start) + "\n";
            start = end + 1;
        }
        text += "[Edit Output Style] " + ending + "\n";
        playScript(text);
        plxhost::editOutputStyle(host(), s);
        EXPECT_EQ(ui::scriptRemaining(), 0u);
        return titled(watch, "Edit Output Style").opened;
    }
    // The panel as "base + separator + number + suffix, first, margins".
    static std::string shown(const ui::ControlInfo& w) {
        return controlIn(w, 2).text + "+" + controlIn(w, 4).text + "+" + controlIn(w, 6).text +
               "+" + controlIn(w, 8).text + " " + std::to_string(controlIn(w, 9).value) +
               std::to_string(controlIn(w, 10).value);
    }
};

std::string stored(OutputStyleRef s) {
    PlxStyleData d = styleDataForStyle(s);
    return std::to_string(d.base) + "|" + d.separator + "|" + std::to_string(d.numbering) + "|" +
           d.suffix + "|" + std::to_string(d.numberBeforeName) + std::to_string(d.pageMargins);
}

} // namespace

TEST_F(StylePanel, NeverEditedStylesShowTheDefaultsOfTheirMedium) {
    ui::ControlInfo w = edit(host().styles().defaultStyle(kXTMediumPDF), "", "click \"Cancel\"");
    EXPECT_EQ(controlIn(w, 102).items, (std::vector<std::string>{"Output", "Plexmoor"}));
    EXPECT_EQ(shown(w), "Project+_+00x+.pdf 00");
    EXPECT_EQ(controlIn(w, 2).items, (std::vector<std::string>{"Project", "Layout"}));
    EXPECT_EQ(controlIn(w, 6).items, (std::vector<std::string>{"x", "0x", "00x", "000x", "None"}));
    EXPECT_EQ(controlIn(w, 1).text, "File name:");

    host().sendLanguage(3);
    w = edit(style("Druck", kXTMediumEPS), "", "click \"Cancel\"");
    EXPECT_EQ(shown(w), "Projekt+_+00x+.eps 00");
    EXPECT_EQ(controlIn(w, 6).items.back(), "Keine");
}

TEST_F(StylePanel, StyleOfAnotherMediumGetsNoPanel) {
    WindowWatch watch;
    playScript("[Edit Output Style] click \"Cancel\"\n");
    plxhost::editOutputStyle(host(), style("Plain", kXTMediumNone));
    EXPECT_EQ(controlIn(titled(watch, "Edit Output Style").opened, 102).items,
              std::vector<std::string>{"Output"});
}

TEST_F(StylePanel, SaveStoresThePanelAndCancelLeavesTheStyle) {
    OutputStyleRef s = style("Proof", kXTMediumPDF);
    std::string untouched = stored(s);
    edit(s, "choose #2 \"Layout\"\ntype #4 \"-\"", "click \"Cancel\"");
    EXPECT_EQ(stored(s), untouched);
    edit(s, "", "close"); // closing the window is no save either
    EXPECT_EQ(stored(s), untouched);

    // "none" stores 4; a suffix that is also a string-table key stays the
    // user's text.
    edit(s, "choose #2 \"Layout\"\ntype #4 \"-\"\nchoose #6 \"None\"\ntype #8 \"ok\"\n"
            "check #9 on\ncheck #10 on");
    EXPECT_EQ(stored(s), "1|-|4|ok|11");
    ui::ControlInfo again = edit(s, "", "click \"Cancel\"");
    EXPECT_EQ(shown(again), "Layout+-+None+ok 11");
}

TEST_F(StylePanel, TextsOfMoreThan31BytesAreStoredEmpty) {
    OutputStyleRef s = style("Long", kXTMediumEPS);
    std::string fits(31, 's');
    edit(s, "type #4 \"" + fits + "\"\ntype #8 \"" + std::string(32, 'x') + "\"");
    PlxStyleData d = styleDataForStyle(s);
    EXPECT_EQ(std::string(d.separator), fits);
    EXPECT_STREQ(d.suffix, "");

    // Over-long by far, and multi-byte: 11 characters of 3 bytes are 33 bytes.
    std::string wide;
    for (int i = 0; i < 11; ++i)
        wide += "\xE2\x80\x94";
    edit(s, "type #4 \"" + wide + "\"\ntype #8 \"" + std::string(600, 'y') + "\"");
    d = styleDataForStyle(s);
    EXPECT_STREQ(d.separator, "");
    EXPECT_STREQ(d.suffix, "");
}

TEST_F(StylePanel, StoredValuesBeyondTheListsShowWhatTheNamingMakesOfThem) {
    OutputStyleRef s = style("Odd", kXTMediumPDF);
    PlxStyleData d = styleDataForStyle(s);
    d.base = 9;
    d.numbering = 7;
    setStyleData(s, d);
    EXPECT_EQ(shown(edit(s, "", "click \"Cancel\"")).substr(0, 13), "Layout+_+None");
}
