#include "files/FileHandle.h"
#include "files/GameRecord.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace pentavo {

Outcome ReadGameRecord(const std::filesystem::path& path, MoveLog& log) {
    const auto fail = [&path](Sentence reason) {
        return Outcome::Failed(FileFailure(FileAction::Open, path.string(), std::move(reason)));
    };

    // O_NONBLOCK keeps a FIFO from stalling the open until it is refused below.
    FileHandle file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.IsOpen())
        return fail(Sentence::Verbatim(ErrorText(errno)));
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0)
        return fail(Sentence::Verbatim(ErrorText(errno)));
    // In the system's words, as saving to a folder is refused.
    if (S_ISDIR(info.st_mode))
        return fail(Sentence::Verbatim(ErrorText(EISDIR)));
    if (!S_ISREG(info.st_mode))
        return fail(NotARegularFile());

    // Bytes past the end of a short file stay 0.
    std::array<unsigned char, CellCount> bytes{};
    std::size_t count = 0;
    if (const Outcome read = ReadUpToAt(file.Get(), bytes.data(), bytes.size(), 0, count); !read)
        return fail(read.Text());
    if (const Outcome closed = file.Close(); !closed)
        return fail(closed.Text());

    if (const Outcome decoded = DecodeGameRecord(bytes, log); !decoded)
        return fail(decoded.Text());
    return Outcome::Done();
}

Outcome DecodeGameRecord(std::span<const unsigned char> bytes, MoveLog& log) {
    MoveLog read{};
    for (std::size_t k = 0; k < read.size() && k < bytes.size(); ++k)
        read[k] = static_cast<MoveCode>(bytes[k]);
    if (Outcome checked = CheckGameRecord(read); !checked)
        return checked;
    log = read;
    return Outcome::Done();
}

} // namespace pentavo
