// The user's folders on Windows: settings and log both live in the shell's
// Documents folder, which the temporary home moves for the test.
#include "plugin/support/folders.h"
#include "plugin/support/paths.h"
#include "tests/common/plugin_host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

TEST(SupportFolders, SettingsAndLogGoToTheShellsDocumentsFolder) {
    plxtest::TempHome home;
    std::string documents = home.documentsFolder();
    std::replace(documents.begin(), documents.end(), '/', '\\');
    char p[kMyPathSize];
    ASSERT_TRUE(getDocumentsFolder(p));
    EXPECT_EQ(documents, p);
    ASSERT_TRUE(getAppSupportFolder(p));
    EXPECT_EQ(documents, p);
    ASSERT_TRUE(getStateFolder(p));
    EXPECT_EQ(documents, p);
}
