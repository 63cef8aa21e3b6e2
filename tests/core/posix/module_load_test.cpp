// The built module loaded with dlopen exports only its entry (POSIX
// builds; the Windows stage reads the DLL's export table with objdump).
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>

#include "host/host.h"
#include "tests/common/plugin_host.h"

TEST(CoreModule, LoadsByDlopenAndExportsOnlyTheEntry) {
    plxtest::TempHome home;
    plxhost::Host host;
    std::string module = std::string(PLX_BINARY_DIR) + "/lib/Plexmoor.so";
    std::string error;
    ASSERT_EQ(host.loadPlugin(module, &error), 0) << error;
    ASSERT_EQ(host.plugins().size(), 1u);
    EXPECT_TRUE(host.plugins()[0].active);
    void* handle = host.plugins()[0].module;
    EXPECT_NE(dlsym(handle, "XTActivateCallback"), nullptr);
    EXPECT_EQ(dlsym(handle, "_Z16activateCallbackP10XTSetupRec"), nullptr);
    EXPECT_EQ(dlsym(handle, "xtdoc_funchndl"), nullptr);
    EXPECT_EQ(dlsym(handle, "gPDF"), nullptr);
}
