#pragma once

#include "core/Board.h"
#include "files/tests/TempFolder.h"
#include "testkit/Logs.h"

namespace pentavo {

// The 225 bytes a record of `log` holds.
inline Bytes BytesOf(const MoveLog& log) {
    Bytes bytes;
    for (MoveCode code : log)
        bytes.push_back(static_cast<unsigned char>(code));
    return bytes;
}

// A log that no read of a valid record can produce, to show that a failed read left it alone.
inline MoveLog SentinelLog() {
    MoveLog log{};
    log.fill(-7);
    return log;
}

} // namespace pentavo
