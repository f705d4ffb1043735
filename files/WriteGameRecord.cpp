#include "files/FileHandle.h"
#include "files/GameRecord.h"
#include "files/ReplaceRecord.h"

#include "core/Translatable.h"

#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <unistd.h>

namespace pentavo {
namespace {

using RecordBytes = std::array<unsigned char, CellCount>;

// Done when every entry can be stored as one byte; else failed with the entry that cannot.
Outcome ToBytes(const MoveLog& log, RecordBytes& bytes) {
    for (std::size_t k = 0; k < log.size(); ++k) {
        if (log[k] < 0 || log[k] > std::numeric_limits<unsigned char>::max())
            return Outcome::Failed(Sentence(
                //: Saving fails: %1 is the place in the list of the game's moves, %2 the move's
                //: code, which a file of one byte per move cannot hold.
                QT_TRANSLATE_NOOP("Outcome",
                                  "Entry %1 of the move log does not fit in a byte (code %2)."),
                {Sentence::Verbatim(std::to_string(k + 1)),
                 Sentence::Verbatim(std::to_string(log[k]))}));
        bytes[k] = static_cast<unsigned char>(log[k]);
    }
    return Outcome::Done();
}

Outcome SaveFailure(const std::filesystem::path& path, Sentence reason) {
    return Outcome::Failed(FileFailure(FileAction::Save, path.string(), std::move(reason)));
}

Outcome SaveFailure(const std::filesystem::path& path, int error) {
    return SaveFailure(path, Sentence::Verbatim(ErrorText(error)));
}

// A file that was not there before: on failure it goes again, so nothing half-written is left.
Outcome CreateRecord(const std::filesystem::path& path, const RecordBytes& bytes) {
    FileHandle file(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666));
    if (!file.IsOpen())
        return SaveFailure(path, errno);
    Outcome written = WriteAllAt(file.Get(), bytes.data(), bytes.size(), 0);
    if (written)
        written = file.SyncAndClose();
    if (written)
        return Outcome::Done();
    // The write's failure is the one told; should the removal fail too, the file stays.
    static_cast<void>(::unlink(path.c_str()));
    return SaveFailure(path, written.Text());
}

Outcome WriteInPlace(const std::filesystem::path& path, FileHandle& file,
                     const RecordBytes& bytes) {
    Outcome written = WriteAllAt(file.Get(), bytes.data(), bytes.size(), 0);
    if (written)
        written = file.SyncAndClose();
    if (!written)
        return SaveFailure(path, written.Text());
    return Outcome::Done();
}

} // namespace

Outcome WriteGameRecord(const std::filesystem::path& path, const MoveLog& log) {
    RecordBytes bytes{};
    if (const Outcome stored = ToBytes(log, bytes); !stored)
        return SaveFailure(path, stored.Text());

    // Opening for writing first asks the system whether this file may be changed at all: a
    // rename would replace a read-only file just as well.
    FileHandle file(::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.IsOpen() && errno == ENOENT)
        return CreateRecord(path, bytes);
    // A FIFO without a reader (or a missing device) answers ENXIO to a non-blocking open.
    if (!file.IsOpen())
        return errno == ENXIO ? SaveFailure(path, NotARegularFile()) : SaveFailure(path, errno);
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0)
        return SaveFailure(path, errno);
    if (!S_ISREG(info.st_mode))
        return SaveFailure(path, NotARegularFile());

    const std::optional<Outcome> replaced = ReplaceRecord(path, info, bytes);
    if (!replaced)
        return WriteInPlace(path, file, bytes);
    if (!*replaced)
        return SaveFailure(path, replaced->Text());
    return Outcome::Done();
}

} // namespace pentavo
