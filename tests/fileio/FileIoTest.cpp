// The bounded whole-file reader and the descriptor guard.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "FileIo.h"

namespace {

using Talix::FileIo::ReadFullFile;
using Talix::FileIo::ReadRules;
using Talix::FileIo::ReadStatus;
using Talix::FileIo::ReadToEnd;
using Talix::FileIo::UniqueFd;

bool IsOpen(int fd) { return ::fcntl(fd, F_GETFD) != -1; }

class FileReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "talix-fileio-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        // A refusal that opened a FIFO would wait for a writer for ever: the
        // alarm turns that into a failure.
        ::alarm(20);
    }
    void TearDown() override {
        ::alarm(0);
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    std::string Path(const std::string& name) const { return folder_ + "/" + name; }
    std::string Write(const std::string& name, const std::string& content) {
        std::ofstream(Path(name), std::ios::binary) << content;
        return Path(name);
    }
    static ReadRules Rules(size_t limit) {
        ReadRules rules;
        rules.limit = limit;
        return rules;
    }

    std::string folder_;
};

TEST_F(FileReaderTest, ReadsUpToTheLimitAndRefusesOneByteMore) {
    std::string content = "stale";
    auto outcome = ReadFullFile(Write("exact", "0123456789"), Rules(10), content);
    EXPECT_TRUE(outcome.Ok());
    EXPECT_EQ(content, "0123456789");

    outcome = ReadFullFile(Write("over", "0123456789A"), Rules(10), content);
    EXPECT_EQ(outcome.status, ReadStatus::TooLarge);
    EXPECT_EQ(outcome.size, 11u);

    outcome = ReadFullFile(Write("empty", ""), Rules(0), content);
    EXPECT_TRUE(outcome.Ok());
    EXPECT_EQ(content, "");
}

TEST_F(FileReaderTest, RefusesWhatIsNotARegularFileWithoutBlocking) {
    ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
    ASSERT_EQ(::symlink(Write("target", "text").c_str(), Path("link").c_str()), 0);
    struct Case {
        std::string path;
        mode_t kind;
    };
    for (const auto& [path, kind] : {Case{Path("fifo"), S_IFIFO}, Case{Path("link"), S_IFLNK}, Case{folder_, S_IFDIR},
                                     Case{"/dev/zero", S_IFCHR}}) {
        std::string content;
        const auto outcome = ReadFullFile(path, Rules(1 << 20), content);
        EXPECT_EQ(outcome.status, ReadStatus::NotAllowed) << path;
        EXPECT_EQ(outcome.mode, kind) << path;
    }
}

TEST_F(FileReaderTest, FollowsALinkAndReadsAFifoOnlyWhenTheRulesSaySo) {
    ASSERT_EQ(::symlink(Write("target", "text").c_str(), Path("link").c_str()), 0);
    ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
    ReadRules rules = Rules(100);
    rules.followLinks = true;
    std::string content;
    EXPECT_TRUE(ReadFullFile(Path("link"), rules, content).Ok());
    EXPECT_EQ(content, "text");

    // The writer sends in pieces: every short read is followed by another.
    rules.pipes = true;
    rules.blocking = true;
    std::thread writer([&] {
        UniqueFd fd(::open(Path("fifo").c_str(), O_WRONLY));
        for (const char* piece : {"first ", "second ", "third"}) {
            ASSERT_TRUE(Talix::FileIo::WriteAll(fd.Get(), piece, std::strlen(piece)));
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });
    const auto outcome = ReadFullFile(Path("fifo"), rules, content);
    writer.join();
    EXPECT_TRUE(outcome.Ok());
    EXPECT_EQ(content, "first second third");
}

TEST_F(FileReaderTest, TellsAMissingFileFromOneThatCannotBeOpened) {
    std::string content;
    auto outcome = ReadFullFile(Path("absent"), Rules(10), content);
    EXPECT_EQ(outcome.status, ReadStatus::Missing);
    EXPECT_EQ(outcome.error, ENOENT);
    outcome = ReadFullFile(Write("file", "x") + "/below", Rules(10), content);
    EXPECT_EQ(outcome.status, ReadStatus::Missing);

    if (::geteuid() == 0) GTEST_SKIP() << "root reads a file of mode 000";
    ::chmod(Write("locked", "secret").c_str(), 0);
    outcome = ReadFullFile(Path("locked"), Rules(10), content);
    EXPECT_EQ(outcome.status, ReadStatus::OpenFailed);
    EXPECT_EQ(outcome.error, EACCES);
}

// A stream of unknown length is read no further than one byte past the limit.
TEST_F(FileReaderTest, StopsReadingAStreamOneBytePastTheLimit) {
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    UniqueFd readEnd(ends[0]);
    UniqueFd writeEnd(ends[1]);
    const std::string sent(100, 'x');
    ASSERT_TRUE(Talix::FileIo::WriteAll(writeEnd.Get(), sent.data(), sent.size()));
    writeEnd.Reset();

    std::string content;
    const auto outcome = ReadToEnd(readEnd.Get(), 40, content);
    EXPECT_EQ(outcome.status, ReadStatus::TooLarge);
    EXPECT_EQ(content.size(), 41u);
    std::string rest;
    EXPECT_TRUE(ReadToEnd(readEnd.Get(), 1000, rest).Ok());
    EXPECT_EQ(rest.size(), 59u);
}

TEST(UniqueFdTest, ClosesOnceWhateverHandsItOn) {
    const int raw = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    ASSERT_GE(raw, 0);
    {
        UniqueFd first(raw);
        UniqueFd second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_TRUE(IsOpen(raw));
        UniqueFd third;
        third = std::move(second);
        EXPECT_TRUE(IsOpen(raw));
    }
    EXPECT_FALSE(IsOpen(raw));

    const int kept = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    { UniqueFd(kept).Release(); }
    EXPECT_TRUE(IsOpen(kept));
    UniqueFd replaced(kept);
    replaced.Reset(::open("/dev/null", O_RDONLY | O_CLOEXEC));
    EXPECT_FALSE(IsOpen(kept));
}

TEST(UniqueFdTest, CloseReportsTheErrorAndLeavesNothingToCloseAgain) {
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    UniqueFd good(ends[0]);
    ::close(ends[1]);
    EXPECT_EQ(good.Close(), 0);
    EXPECT_FALSE(good);
    EXPECT_EQ(good.Close(), 0);  // nothing held: no second close of a number reused meanwhile

    UniqueFd stale(ends[1]);  // already closed elsewhere
    EXPECT_EQ(stale.Close(), EBADF);
    EXPECT_FALSE(stale);
}

}  // namespace
