// The kept helper process the distiller and the PDF page converter keep
// Ghostscript in, with a stand-in helper (tests/standins/kept_helper) that
// answers commands a line at a time: on Linux through a socket and a pipe,
// on Windows through two pipes.
#include <gtest/gtest.h>

#include <chrono>

#include "host/process.h"
#include "tests/common/process.h"

namespace {

using plxhost::KeptProcess;
using Reply = KeptProcess::Reply;

class KeptHelper : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string why;
        ASSERT_TRUE(helper_.start({plxtest::builtProgram("kept_helper")}, {"PLX_KEPT=kept here"},
                                  &why))
            << why;
    }
    // Sends a command and reads until `marker`, allowing `seconds`.
    Reply ask(const std::string& command, const std::string& marker, std::string* reply,
              double seconds = 20) {
        reply->clear();
        if (!helper_.send(command)) return Reply::kEnded;
        return helper_.readUntil(marker, seconds, reply);
    }
    KeptProcess helper_;
};

TEST_F(KeptHelper, AnswersJobAfterJobWithItsErrorsAndItsEnvironment) {
    long id = helper_.id();
    EXPECT_TRUE(plxhost::processExists(id));
    std::string reply;
    ASSERT_EQ(ask("echo one\n", "one\n", &reply), Reply::kComplete);
    // Line ends arrive as LF whatever the helper's text mode made of them.
    EXPECT_EQ(reply, "one\n");
    ASSERT_EQ(ask("err trouble\necho DONE\n", "DONE\n", &reply), Reply::kComplete);
    EXPECT_EQ(reply, "trouble\nDONE\n");
    ASSERT_EQ(ask("env PLX_KEPT\n", "\n", &reply), Reply::kComplete);
    EXPECT_EQ(reply, "kept here\n");
    // A long answer comes in many reads; past 64 KB only the beginning and
    // the end are kept, and the marker is still seen.
    ASSERT_EQ(ask("many 200000\n", "END\n", &reply), Reply::kComplete) << reply.size();
    EXPECT_GE(reply.size(), 64u * 1024);
    EXPECT_LT(reply.size(), 64u * 1024 + 8192);
    EXPECT_EQ(reply.substr(reply.size() - 5), "xEND\n");
    EXPECT_EQ(helper_.id(), id);
    helper_.stop("quit\n", 5);
    EXPECT_FALSE(helper_.running());
    EXPECT_FALSE(plxhost::processExists(id));
    EXPECT_FALSE(helper_.send("echo late\n"));
}

TEST_F(KeptHelper, OneThatEndsMidJobIsSeenToEndAndCanBeStartedAgain) {
    long id = helper_.id();
    std::string reply;
    EXPECT_EQ(ask("echo partial\nexit 3\n", "never\n", &reply), Reply::kEnded);
    EXPECT_EQ(reply, "partial\n");
    helper_.stop(std::string(), 0);
    EXPECT_FALSE(plxhost::processExists(id));
    std::string why;
    ASSERT_TRUE(helper_.start({plxtest::builtProgram("kept_helper")}, {}, &why)) << why;
    EXPECT_NE(helper_.id(), id);
    ASSERT_EQ(ask("echo again\n", "again\n", &reply), Reply::kComplete);
}

TEST_F(KeptHelper, OneThatHangsTimesOutAndIsKilledAfterItsGrace) {
    long id = helper_.id();
    std::string reply;
    auto begun = std::chrono::steady_clock::now();
    EXPECT_EQ(ask("echo before\nhang\n", "DONE\n", &reply, 0.5), Reply::kTimedOut);
    EXPECT_EQ(reply, "before\n");
    EXPECT_GE(std::chrono::steady_clock::now() - begun, std::chrono::milliseconds(450));
    // It reads no farewell: the grace runs out and it is killed.
    helper_.stop("quit\n", 0.2);
    EXPECT_FALSE(helper_.running());
    EXPECT_FALSE(plxhost::processExists(id));
}

TEST(KeptProcessStart, AProgramThatIsNotThereIsNotStartedAndSaysWhy) {
    KeptProcess helper;
    std::string why;
    EXPECT_FALSE(helper.start({plxtest::builtProgram("no_such_helper")}, {}, &why));
    EXPECT_FALSE(why.empty());
    EXPECT_FALSE(helper.running());
    std::string reply;
    EXPECT_FALSE(helper.send("echo x\n"));
    EXPECT_EQ(helper.readUntil("x", 0.1, &reply), Reply::kEnded);
}

} // namespace
