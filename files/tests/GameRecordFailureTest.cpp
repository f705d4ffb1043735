#include "files/GameRecord.h"
#include "files/tests/RestrictedChild.h"
#include "files/tests/TempFolder.h"
#include "testkit/Logs.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace pentavo {
namespace {

const MoveLog Game = LogOf({120, 103, 1});

std::string SaveFailure(const std::filesystem::path& file, const std::string& reason) {
    return "Cannot save \"" + file.string() + "\": " + reason + ".";
}

std::string OpenFailure(const std::filesystem::path& file, const std::string& reason) {
    return "Cannot open \"" + file.string() + "\": " + reason + ".";
}

// Both commands on a name that is no file they may use: each fails with `reason`, the log stays
// as it was and the folder holds what it held.
void ExpectBothRefused(const TempFolder& folder, const std::filesystem::path& name,
                       const std::string& reason) {
    const auto before = folder.Names();
    EXPECT_EQ(WriteGameRecord(name, Game).Message(), SaveFailure(name, reason));
    MoveLog log = SentinelLog();
    EXPECT_EQ(ReadGameRecord(name, log).Message(), OpenFailure(name, reason));
    EXPECT_EQ(log, SentinelLog());
    // cppcheck-suppress knownConditionTrueFalse ; Names() reads the folder afresh
    EXPECT_EQ(folder.Names(), before);
}

TEST(GameRecordFailure, AFolderIsNoRecord) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "games");
    ExpectBothRefused(folder, folder / "games", "Is a directory");
    EXPECT_TRUE(std::filesystem::is_empty(folder / "games"));
}

TEST(GameRecordFailure, APathUnderARegularFileIsNoRecord) {
    TempFolder folder;
    const auto plain = folder / "plain.pnv";
    WriteBytes(plain, Junk(5));
    ExpectBothRefused(folder, plain / "game.pnv", "Not a directory");
    EXPECT_EQ(ReadBytes(plain), Junk(5));
}

TEST(GameRecordFailure, AFifoIsRefusedWithoutWaitingForAWriter) {
    TempFolder folder;
    const auto fifo = folder / "pipe.pnv";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
    ExpectBothRefused(folder, fifo, "Not a regular file");
}

TEST(GameRecordFailure, DevicesAreRefused) {
    for (const char* device : {"/dev/zero", "/dev/full", "/dev/null"}) {
        SCOPED_TRACE(device);
        if (!std::filesystem::exists(device))
            GTEST_SKIP() << device << " is missing on this machine";
        EXPECT_EQ(WriteGameRecord(device, Game).Message(),
                  SaveFailure(device, "Not a regular file"));
        MoveLog log = SentinelLog();
        EXPECT_EQ(ReadGameRecord(device, log).Message(), OpenFailure(device, "Not a regular file"));
        EXPECT_EQ(log, SentinelLog());
    }
}

TEST(GameRecordFailure, ALogEntryThatNeedsMoreThanAByteIsNotSaved) {
    TempFolder folder;
    const auto file = folder / "game.pnv";
    WriteBytes(file, Junk(300));
    MoveLog log = Game;
    log[4] = 300;
    EXPECT_EQ(WriteGameRecord(file, log).Message(),
              SaveFailure(file, "Entry 5 of the move log does not fit in a byte (code 300)"));
    EXPECT_EQ(ReadBytes(file), Junk(300));
}

TEST(GameRecordFailure, AReadOnlyRecordIsNotReplaced) {
    TempFolder folder;
    const auto file = folder / "locked.pnv";
    WriteBytes(file, Junk(300));
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);

    const ChildOutcome outcome =
        RunAsNobody(folder.Path(), [&] { return WriteGameRecord(file, Game); });
    if (outcome.skipReason)
        GTEST_SKIP() << *outcome.skipReason;
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message, SaveFailure(file, "Permission denied"));
    EXPECT_EQ(ReadBytes(file), Junk(300));
    EXPECT_EQ(folder.Names(), std::set<std::string>{"locked.pnv"});
}

TEST(GameRecordFailure, AnUnreadableRecordIsNotOpened) {
    TempFolder folder;
    const auto file = folder / "secret.pnv";
    WriteBytes(file, {0x78});
    ASSERT_EQ(::chmod(file.c_str(), 0200), 0);

    const ChildOutcome outcome = RunAsNobody(folder.Path(), [&] {
        MoveLog log = SentinelLog();
        const Outcome read = ReadGameRecord(file, log);
        const bool logKept = read.Ok() || log == SentinelLog();
        return logKept ? read : Outcome::Failed("a failed open changed the log");
    });
    if (outcome.skipReason)
        GTEST_SKIP() << *outcome.skipReason;
    EXPECT_EQ(outcome.message, OpenFailure(file, "Permission denied"));
}

TEST(GameRecordFailure, NothingIsCreatedInAReadOnlyFolder) {
    TempFolder folder;
    ASSERT_EQ(::chmod(folder.Path().c_str(), 0555), 0);
    const auto file = folder / "new.pnv";

    const ChildOutcome saved =
        RunAsNobody(folder.Path(), [&] { return WriteGameRecord(file, Game); });
    if (saved.skipReason)
        GTEST_SKIP() << *saved.skipReason;
    EXPECT_EQ(saved.message, SaveFailure(file, "Permission denied"));
    const ChildOutcome opened = RunAsNobody(folder.Path(), [&] {
        MoveLog log{};
        return ReadGameRecord(file, log);
    });
    EXPECT_EQ(opened.message, OpenFailure(file, "No such file or directory"));
    EXPECT_TRUE(folder.Names().empty());
}

// No temporary file can be made beside these records, so the save writes into them directly.
TEST(GameRecordFailure, AWritableRecordIsWrittenInPlaceWhereNoTemporaryFileCanBeMade) {
    struct Setting {
        const char* what;
        mode_t folderMode;
        mode_t fileMode;
    };
    for (const Setting setting : {Setting{"read-only folder", 0555, 0666},
                                  Setting{"record that cannot be read", 0777, 0222}}) {
        SCOPED_TRACE(setting.what);
        TempFolder folder;
        const auto file = folder / "game.pnv";
        const Bytes old = Junk(300);
        WriteBytes(file, old);
        ASSERT_EQ(::chmod(file.c_str(), setting.fileMode), 0);
        ASSERT_EQ(::chmod(folder.Path().c_str(), setting.folderMode), 0);

        const ChildOutcome outcome =
            RunAsNobody(folder.Path(), [&] { return WriteGameRecord(file, Game); });
        if (outcome.skipReason)
            GTEST_SKIP() << *outcome.skipReason;
        EXPECT_TRUE(outcome.ok) << outcome.message;
        ASSERT_EQ(::chmod(file.c_str(), 0644), 0);
        Bytes expected = BytesOf(Game);
        expected.insert(expected.end(), old.begin() + CellCount, old.end());
        EXPECT_EQ(ReadBytes(file), expected);
        EXPECT_EQ(folder.Names(), std::set<std::string>{"game.pnv"});
    }
}

// A file bound over the record's name can be written but not renamed over.
TEST(GameRecordFailure, ARecordThatIsAMountPointIsWrittenInPlace) {
    TempFolder folder;
    const auto real = folder / "real.pnv";
    const auto file = folder / "game.pnv";
    const Bytes old = Junk(300);
    WriteBytes(real, old);
    WriteBytes(file, {});

    const ChildOutcome outcome =
        RunWithFileBound(real, file, [&] { return WriteGameRecord(file, Game); });
    if (outcome.skipReason)
        GTEST_SKIP() << *outcome.skipReason;
    EXPECT_TRUE(outcome.ok) << outcome.message;
    Bytes expected = BytesOf(Game);
    expected.insert(expected.end(), old.begin() + CellCount, old.end());
    EXPECT_EQ(ReadBytes(real), expected);
    EXPECT_EQ(ReadBytes(file), Bytes{});
    EXPECT_EQ(folder.Names(), (std::set<std::string>{"real.pnv", "game.pnv"}));
}

// The disk fills up after 250 bytes: the temporary copy cannot take the old tail.
TEST(GameRecordFailure, AFullDiskLeavesTheOldRecordAsItWas) {
    TempFolder folder;
    const auto file = folder / "game.pnv";
    WriteBytes(file, Junk(300));

    const ChildOutcome outcome =
        RunWithFileSizeLimit(250, [&] { return WriteGameRecord(file, Game); });
    if (outcome.skipReason)
        GTEST_SKIP() << *outcome.skipReason;
    EXPECT_EQ(outcome.message, SaveFailure(file, "File too large"));
    EXPECT_EQ(ReadBytes(file), Junk(300));
    EXPECT_EQ(folder.Names(), std::set<std::string>{"game.pnv"});
}

TEST(GameRecordFailure, ANewRecordThatCannotBeWrittenWholeIsRemoved) {
    TempFolder folder;
    const auto file = folder / "new.pnv";

    const ChildOutcome outcome =
        RunWithFileSizeLimit(100, [&] { return WriteGameRecord(file, Game); });
    if (outcome.skipReason)
        GTEST_SKIP() << *outcome.skipReason;
    EXPECT_EQ(outcome.message, SaveFailure(file, "File too large"));
    EXPECT_TRUE(folder.Names().empty());
}

} // namespace
} // namespace pentavo
