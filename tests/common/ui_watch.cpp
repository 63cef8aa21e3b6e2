#include "tests/common/ui_watch.h"

#include <gtest/gtest.h>

namespace plxtest {

const WindowWatch::Seen& titled(const WindowWatch& watch, const std::string& title) {
    if (const WindowWatch::Seen* seen = watch.first(title)) return *seen;
    ADD_FAILURE() << "no window titled " << title << " was opened";
    static const WindowWatch::Seen none;
    return none;
}

void playScript(const std::string& text) {
    std::vector<ui::Action> actions;
    std::string error;
    ASSERT_TRUE(ui::parseScript(text, &actions, &error)) << error;
    ui::setScript(actions);
}

std::vector<std::string> messageBoxTexts() {
    std::vector<std::string> out;
    for (const ui::Record& r : ui::transcript())
        if (r.kind == ui::RecordKind::MessageBox) out.push_back(r.text);
    return out;
}

} // namespace plxtest
