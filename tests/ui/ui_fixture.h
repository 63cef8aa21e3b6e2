// A clean window system for every test, and a recorder of what dialogs are told.
#pragma once

#include "ui/ui.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace uitest {

class UiTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(ui::reset()); }
    void TearDown() override { EXPECT_TRUE(ui::reset()); }

    // A top-level window 400 x 300 with the given title.
    static ui::Handle makeWindow(const std::string& title) {
        ui::CreateParams p;
        p.text = title;
        p.rect = ui::Rect{0, 0, 400, 300};
        return ui::createWindow(p);
    }
};

// Notifications a window procedure received, as "id:notify" lines.
struct Heard {
    std::vector<std::string> lines;

    static std::intptr_t proc(ui::Handle self, const ui::Message& msg, void* user) {
        auto* heard = static_cast<Heard*>(user);
        if (msg.msg == ui::Msg::Command)
            heard->lines.push_back(std::to_string(msg.id) + ":" + ui::notifyName(msg.notify));
        return ui::defaultProc(self, msg);
    }

    void listen(ui::Handle window) { ui::setWindowProc(window, &Heard::proc, this); }
};

} // namespace uitest
