#pragma once

#include <cstddef>
#include <istream>
#include <string>

namespace pentavo {

// Splits a byte stream into lines ended by CR, LF or CR LF. It never reads ahead of a line end,
// so a lone CR is delivered at once, and keeps at most `limit` bytes of a line, so an endless line
// costs no memory; any byte, NUL included, may be part of a line.
class LineReader {
public:
    LineReader(std::istream& in, std::size_t limit) : in_(*in.rdbuf()), limit_(limit) {}

    // The next line, without its end; false once the input is used up. A last line without an
    // end is still a line.
    [[nodiscard]] bool Next(std::string& line);

private:
    std::streambuf& in_;
    std::size_t limit_;
    bool afterCr_ = false; // an LF that follows now belongs to the CR before it
};

} // namespace pentavo
