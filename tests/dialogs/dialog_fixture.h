// The plug-in activated in a stand-in host on a fresh window system, with
// helpers to script the person and to read what happened.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "plugin/dialogs/dialogs.h"
#include "tests/common/plugin_host.h"
#include "ui/ui.h"

namespace plxtest {

class DialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // The window system first: activation registers the toolkit's classes in it.
        ASSERT_TRUE(ui::reset());
        host_ = std::make_unique<PluginHost>();
        ASSERT_EQ(host_->activationResult(), 0);
    }
    void TearDown() override {
        gHostMainWindow = 0;
        host_.reset();
        ui::clearScript();
    }

    PluginHost& host() { return *host_; }
    void german() { host_->host().sendLanguage(3); }

    static void script(const std::string& text) {
        std::vector<ui::Action> actions;
        std::string error;
        ASSERT_TRUE(ui::parseScript(text, &actions, &error)) << error;
        ui::setScript(actions);
    }
    // The records of one kind, formatted, in order.
    static std::vector<std::string> records(ui::RecordKind kind) {
        std::vector<std::string> out;
        for (const ui::Record& r : ui::transcript())
            if (r.kind == kind)
                out.push_back(kind == ui::RecordKind::MessageBox ? r.text : r.window);
        return out;
    }
    static ui::Handle h(PlxWindow w) { return static_cast<ui::Handle>(w); }

  private:
    std::unique_ptr<PluginHost> host_;
};

} // namespace plxtest
