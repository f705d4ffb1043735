#include "files/tests/TempFolder.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <stdlib.h>

namespace pentavo {

TempFolder::TempFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "pentavo-files-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern;
    std::filesystem::permissions(path_, std::filesystem::perms::all);
}

TempFolder::~TempFolder() {
    // Tests take write rights away; give them back so that everything can go.
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::all, ignored);
    for (const auto& entry : std::filesystem::directory_iterator(path_, ignored))
        if (entry.is_directory(ignored))
            std::filesystem::permissions(entry.path(), std::filesystem::perms::all, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::set<std::string> TempFolder::Names() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_))
        names.insert(entry.path().filename().string());
    return names;
}

void WriteBytes(const std::filesystem::path& file, const Bytes& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out.flush())
        throw std::runtime_error("cannot write " + file.string());
}

Bytes ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + file.string());
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes Junk(std::size_t count, unsigned char first) {
    Bytes bytes(count);
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<unsigned char>((first - 1 + i) % 255 + 1);
    return bytes;
}

Bytes BytesOf(const MoveLog& log) {
    Bytes bytes;
    for (MoveCode code : log)
        bytes.push_back(static_cast<unsigned char>(code));
    return bytes;
}

} // namespace pentavo
