#include "files/GameRecord.h"
#include "files/tests/TempFolder.h"
#include "testkit/Logs.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace pentavo {
namespace {

struct ShapeCase {
    const char* what;
    MoveLog log;
    Bytes bytes;
};

// `head` followed by zeros up to `size` bytes.
Bytes Sized(Bytes head, std::size_t size) {
    head.resize(size, 0);
    return head;
}

Bytes Leading(const Bytes& head) {
    return Sized(head, CellCount);
}

// What the game leaves in its log: crosses from (7,7) to the right, circles in row 0.
std::vector<ShapeCase> Shapes() {
    return {
        {"computer first, saved at once", LogOf({120}), Leading({0x78})},
        {"person first, saved at once", LogOf({120, 103}), Leading({0x78, 0x67})},
        // 120, 1, 121, 2 played, the last two taken back: the game wrote 0 over them.
        {"after an undo", LogOf({120, 1}), Leading({0x78, 0x01})},
        {"after the crosses' winning move", LogOf({120, 1, 121, 2, 122, 3, 123, 4, 124}),
         Leading({0x78, 0x01, 0x79, 0x02, 0x7A, 0x03, 0x7B, 0x04, 0x7C})},
        {"a read record keeps codes after its first 0", LogOf({120, 0, 240, 16, 255}),
         Leading({0x78, 0x00, 0xF0, 0x10, 0xFF})},
        {"full board", NoFiveLog({}), BytesOf(NoFiveLog({}))},
    };
}

TEST(GameRecordBytes, SaveWritesOneByteAMoveAndOpenReadsItBack) {
    TempFolder folder;
    for (const ShapeCase& shape : Shapes()) {
        SCOPED_TRACE(shape.what);
        const auto file = folder / "game.pnv";
        std::filesystem::remove(file);

        const Outcome saved = WriteGameRecord(file, shape.log);
        ASSERT_TRUE(saved.Ok()) << saved.Message();
        EXPECT_EQ(saved.Message(), "");
        EXPECT_EQ(ReadBytes(file), shape.bytes);

        MoveLog opened = SentinelLog();
        const Outcome read = ReadGameRecord(file, opened);
        ASSERT_TRUE(read.Ok()) << read.Message();
        EXPECT_EQ(opened, shape.log);
    }
    EXPECT_EQ(folder.Names(), std::set<std::string>{"game.pnv"});
}

TEST(GameRecordBytes, SaveReplacesTheFirst225BytesAndKeepsTheRest) {
    TempFolder folder;
    const auto file = folder / "long.pnv";
    const Bytes old = Junk(300);
    WriteBytes(file, old);

    ASSERT_TRUE(WriteGameRecord(file, LogOf({120, 103})).Ok());

    Bytes expected = Leading({0x78, 0x67});
    expected.insert(expected.end(), old.begin() + CellCount, old.end());
    EXPECT_EQ(ReadBytes(file), expected);
    EXPECT_EQ(folder.Names(), std::set<std::string>{"long.pnv"});
}

TEST(GameRecordBytes, SaveGrowsAShortFileTo225Bytes) {
    TempFolder folder;
    const auto file = folder / "short.pnv";
    WriteBytes(file, Junk(10));

    ASSERT_TRUE(WriteGameRecord(file, LogOf({120})).Ok());
    EXPECT_EQ(ReadBytes(file), Leading({0x78}));
}

struct ReadCase {
    const char* what;
    Bytes content;
    MoveLog log;
};

TEST(GameRecordBytes, OpenReadsOffsets0To224AndZerosPastTheEnd) {
    Bytes huge = Leading({0x78, 0x67, 0x01});
    const Bytes tail = Junk(100000);
    huge.insert(huge.end(), tail.begin(), tail.end());
    const std::vector<ReadCase> cases = {
        {"empty", {}, LogOf({})},
        {"two bytes", {0x78, 0x67}, LogOf({120, 103})},
        {"224 bytes", Sized({0x78}, 224), LogOf({120})},
        {"a long tail of junk", huge, LogOf({120, 103, 1})},
        {"no zero at all", BytesOf(NoFiveLog({})), NoFiveLog({})},
    };
    TempFolder folder;
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.what);
        const auto file = folder / "read.pnv";
        WriteBytes(file, c.content);

        MoveLog log = SentinelLog();
        const Outcome read = ReadGameRecord(file, log);
        ASSERT_TRUE(read.Ok()) << read.Message();
        EXPECT_EQ(log, c.log);
        EXPECT_EQ(ReadBytes(file), c.content) << "opening must not change the file";
    }
}

TEST(GameRecordBytes, OpenOfAMissingNameIsRefusedAndCreatesNothing) {
    TempFolder folder;
    const auto file = folder / "new.pnv";
    MoveLog log = SentinelLog();
    EXPECT_EQ(ReadGameRecord(file, log).Message(),
              "Cannot open \"" + file.string() + "\": No such file or directory.");
    EXPECT_EQ(log, SentinelLog());
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST(GameRecordBytes, OpenRefusesARecordWithAWrongMoveAndKeepsTheLog) {
    TempFolder folder;
    const auto file = folder / "bad.pnv";
    WriteBytes(file, {1, 2, 3, 4, 5, 6, 240});

    MoveLog log = SentinelLog();
    const Outcome read = ReadGameRecord(file, log);
    EXPECT_EQ(read.Message(),
              "Cannot open \"" + file.string() + "\": Move 7 names no cell (code 240).");
    EXPECT_EQ(log, SentinelLog());
}

TEST(GameRecordBytes, SaveKeepsTheModeAndTheOwner) {
    TempFolder folder;
    const auto file = folder / "kept.pnv";
    WriteBytes(file, Junk(300));
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(file.c_str(), 65534, 65534), 0);
    }

    ASSERT_TRUE(WriteGameRecord(file, LogOf({120})).Ok());

    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(info.st_uid, 65534u);
        EXPECT_EQ(info.st_gid, 65534u);
    }
}

TEST(GameRecordBytes, SaveThroughALinkChangesTheFileItNames) {
    TempFolder folder;
    const auto file = folder / "real.pnv";
    const auto symbolic = folder / "symbolic.pnv";
    const auto hard = folder / "hard.pnv";
    const Bytes old = Junk(230);
    WriteBytes(file, old);
    std::filesystem::create_symlink(file, symbolic);

    ASSERT_TRUE(WriteGameRecord(symbolic, LogOf({120})).Ok());
    EXPECT_TRUE(std::filesystem::is_symlink(symbolic));
    Bytes expected = Leading({0x78});
    expected.insert(expected.end(), old.begin() + CellCount, old.end());
    EXPECT_EQ(ReadBytes(file), expected);

    std::filesystem::create_hard_link(file, hard);
    ASSERT_TRUE(WriteGameRecord(hard, LogOf({120, 103})).Ok());
    EXPECT_EQ(ReadBytes(file), ReadBytes(hard));
    EXPECT_EQ(ReadBytes(file)[1], 0x67);
    EXPECT_EQ(folder.Names(), (std::set<std::string>{"real.pnv", "symbolic.pnv", "hard.pnv"}));
}

} // namespace
} // namespace pentavo
