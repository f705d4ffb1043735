#pragma once

#include "core/Board.h"

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace pentavo {

// A fresh folder under the system's temporary folder, open to every user so that a child
// process running as another user can reach it, and removed with all it holds.
class TempFolder {
public:
    TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    // The names of the entries in the folder itself.
    std::set<std::string> Names() const;

private:
    std::filesystem::path path_;
};

using Bytes = std::vector<unsigned char>;

void WriteBytes(const std::filesystem::path& file, const Bytes& bytes);
Bytes ReadBytes(const std::filesystem::path& file);
// `count` non-zero bytes counting up from `first`, 255 followed by 1.
Bytes Junk(std::size_t count, unsigned char first = 1);
// The 225 bytes a record of `log` holds.
Bytes BytesOf(const MoveLog& log);

} // namespace pentavo
