// Tests of the plug-in's menus, dialogs and panels: the plug-in activated
// in a stand-in host on a fresh window system, the script cleared after
// each test.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "tests/common/plugin_host.h"
#include "tests/common/ui_watch.h"

namespace plxtest {

class PluginUiTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // The window system first: activation registers the toolkit's classes in it.
        ASSERT_TRUE(ui::reset());
        ph_ = std::make_unique<PluginHost>();
        ASSERT_EQ(ph_->activationResult(), 0);
    }
    void TearDown() override {
        ui::clearScript();
        ph_.reset();
    }
    PluginHost& ph() { return *ph_; }
    const PluginHost& ph() const { return *ph_; }
    plxhost::Host& host() { return ph_->host(); }

  private:
    std::unique_ptr<PluginHost> ph_;
};

} // namespace plxtest
