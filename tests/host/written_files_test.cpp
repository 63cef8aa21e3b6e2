#include "host/written_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using plxhost::WrittenFiles;

// Paths come back exactly as given, and only equal paths count as the
// same, however folder and name split them.
TEST(HostWrittenFiles, KeepsEachPathAndPageAndTellsEqualPathsApart) {
    const std::vector<std::string> paths = {
        "/out/a_001.eps", "/out/a_002.eps", "x.eps",        "./x.eps", "/x.eps",
        "/out/b/a_001.eps", "/out/a_001.eps", "/out/a_00.eps", "",       "/out/",
        "/other/a_001.eps", "x.eps"};
    WrittenFiles files;
    for (size_t i = 0; i < paths.size(); ++i) files.add(paths[i], static_cast<int>(i) + 10);
    ASSERT_EQ(files.size(), paths.size());
    for (size_t i = 0; i < paths.size(); ++i) {
        EXPECT_EQ(files.path(i), paths[i]);
        EXPECT_EQ(files.page(i), static_cast<int>(i) + 10);
    }
    for (size_t a = 0; a < paths.size(); ++a)
        for (size_t b = 0; b < paths.size(); ++b) {
            EXPECT_EQ(files.samePath(a, b), paths[a] == paths[b]) << paths[a] << " " << paths[b];
            // An order in which equal paths lie together: strict and
            // consistent with equality.
            if (paths[a] == paths[b]) EXPECT_FALSE(files.pathBefore(a, b));
            else EXPECT_NE(files.pathBefore(a, b), files.pathBefore(b, a));
        }
}
