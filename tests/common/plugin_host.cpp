#include "tests/common/plugin_host.h"

#include <gtest/gtest.h>

#include "plugin/core/lifecycle.h"

namespace plxtest {

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
