#include "brain/LineReader.h"

namespace pentavo {

bool LineReader::Next(std::string& line) {
    using Traits = std::streambuf::traits_type;
    line.clear();
    bool any = false;
    for (;;) {
        const Traits::int_type got = in_.sbumpc();
        if (Traits::eq_int_type(got, Traits::eof()))
            return any;
        const char ch = Traits::to_char_type(got);
        const bool crLf = afterCr_ && ch == '\n';
        afterCr_ = ch == '\r';
        if (crLf)
            continue;
        if (ch == '\r' || ch == '\n')
            return true;
        any = true;
        if (line.size() < limit_)
            line += ch;
    }
}

} // namespace pentavo
