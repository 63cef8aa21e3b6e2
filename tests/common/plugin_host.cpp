#include "tests/common/plugin_host.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "plugin/core/lifecycle.h"

namespace plxtest {

namespace {
const char* const kHomeVariables[5] = {"HOME", "XDG_CONFIG_HOME", "XDG_STATE_HOME",
                                       "XDG_DOCUMENTS_DIR", "XDG_DATA_HOME"};
} // namespace

TempHome::TempHome() {
    for (int i = 0; i < 5; ++i) {
        const char* v = std::getenv(kHomeVariables[i]);
        had_[i] = v != nullptr;
        if (v) saved_[i] = v;
    }
    setenv("HOME", dir_.path().c_str(), 1);
    setenv("XDG_CONFIG_HOME", dir_.file(".config").c_str(), 1);
    setenv("XDG_STATE_HOME", dir_.file(".local/state").c_str(), 1);
    setenv("XDG_DOCUMENTS_DIR", dir_.file("Documents").c_str(), 1);
    setenv("XDG_DATA_HOME", dir_.file(".local/share").c_str(), 1);
}

TempHome::~TempHome() {
    for (int i = 0; i < 5; ++i) {
        if (had_[i]) setenv(kHomeVariables[i], saved_[i].c_str(), 1);
        else unsetenv(kHomeVariables[i]);
    }
}

PluginHost::PluginHost(plxhost::HostOptions options, bool activate) : host_(std::move(options)) {
    if (!activate) return;
    result_ = host_.attachPlugin(XTActivateCallback);
    if (result_ == 0) host_.sendLanguage(0);
}

int32_t PluginHost::openProjectText(const std::string& text, const std::string& fileName) {
    std::string path = home_.file(fileName);
    EXPECT_TRUE(writeFile(path, text));
    std::string error;
    int32_t ref = host_.documents().openProject(path, &error);
    EXPECT_NE(ref, -1) << error;
    return ref;
}

int32_t PluginHost::openExample(const std::string& name) {
    std::string error;
    int32_t ref = host_.documents().openProject(sourcePath("examples/" + name), &error);
    EXPECT_NE(ref, -1) << error;
    return ref;
}

std::string sourcePath(const std::string& relative) {
    return std::string(PLX_SOURCE_DIR) + "/" + relative;
}

} // namespace plxtest
