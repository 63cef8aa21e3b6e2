// The trim-box rewrite of PDF box exports, on files of its own.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "trim_box.h"

namespace {

class TrimBox : public ::testing::Test {
  protected:
    void SetUp() override {
        char name[] = "/tmp/plx-trim-XXXXXX";
        int fd = mkstemp(name);
        ASSERT_GE(fd, 0);
        close(fd);
        path_ = name;
    }
    void TearDown() override { unlink(path_.c_str()); }

    void write(const std::string& bytes) {
        std::ofstream(path_, std::ios::binary) << bytes;
    }
    std::string read() {
        std::ifstream file(path_, std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

    std::string path_;
};

TEST_F(TrimBox, OnlyTheFirstKeyIsRenamedPastBinaryBytes) {
    // A stream with a zero byte comes first, as in a distilled PDF.
    std::string pdf = std::string("%PDF-1.4\nstream\0\x01\x02endstream\n", 30) +
                      "<</TrimBox [0 0 10 10]>> <</TrimBox [1 1 9 9]>>";
    write(pdf);
    EXPECT_TRUE(rewriteTrimBox(path_.c_str()));
    std::string after = read();
    EXPECT_EQ(after.size(), pdf.size());
    std::string expected = pdf;
    expected.replace(expected.find("/TrimBox"), 8, "/Trimbox");
    EXPECT_EQ(after, expected);
}

TEST_F(TrimBox, FilesWithoutTheKeyOrAtAllStayAsTheyAre) {
    // The key cut off by the end of the file is no key.
    write("<</CropBox [0 0 1 1]>> /TrimBo");
    EXPECT_FALSE(rewriteTrimBox(path_.c_str()));
    EXPECT_EQ(read(), "<</CropBox [0 0 1 1]>> /TrimBo");
    write("");
    EXPECT_FALSE(rewriteTrimBox(path_.c_str()));
    EXPECT_FALSE(rewriteTrimBox((path_ + ".missing").c_str()));
    EXPECT_FALSE(rewriteTrimBox(nullptr));
}

} // namespace
