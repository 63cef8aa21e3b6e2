// The XDG rules of the user's folders (POSIX builds only).
#include "plugin/support/files.h"
#include "plugin/support/folders.h"
#include "plugin/support/paths.h"
#include "tests/common/plugin_host.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using plxtest::TempHome;
using plxtest::writeFile;

TEST(SupportFolders, xdg_variables_user_dirs_and_defaults) {
    TempHome home;
    char p[kMyPathSize];
    EXPECT_TRUE(getStateFolder(p));
    EXPECT_EQ(home.file(".local/state"), p);
    unsetenv("XDG_DOCUMENTS_DIR");
    setenv("XDG_CONFIG_HOME", "relative/ignored", 1);
    EXPECT_TRUE(getAppSupportFolder(p));
    EXPECT_EQ(home.file(".config"), p);
    EXPECT_TRUE(getDocumentsFolder(p));
    EXPECT_EQ(home.file("Documents"), p);
    ASSERT_TRUE(makeDir(home.file(".config").c_str()));
    writeFile(home.file(".config/user-dirs.dirs"),
              "# comment\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
    EXPECT_TRUE(getDocumentsFolder(p));
    EXPECT_EQ(home.file("Dokumente"), p);
    setenv("HOME", ("/" + std::string(600, 'h')).c_str(), 1);
    unsetenv("XDG_STATE_HOME");
    EXPECT_FALSE(getStateFolder(p)); // too long: refused, not cut
    EXPECT_STREQ("", p);
}
