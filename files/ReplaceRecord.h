#pragma once

#include "core/Outcome.h"

#include <filesystem>
#include <span>
#include <sys/stat.h>

namespace pentavo {

// A replacement is done or failed like any operation (a failure changed nothing and says why);
// or it is impossible here, which also changed nothing, and the file must be written in place.
struct Replacement {
    bool impossible = false;
    Outcome outcome = Outcome::Done(); // what came of it when it was possible
};

// Builds `head` followed by the target's bytes from offset head.size() on in a temporary file
// beside the target, and renames it over the target with the target's mode and owner.
// Impossible when no such file can be made, when it cannot carry the target's owner, when the
// target cannot be read for its tail, when the target has other names a rename would part from
// it, or when the target is a mount point that no rename may replace. `targetInfo` describes the
// target as it was opened for writing.
Replacement ReplaceRecord(const std::filesystem::path& target, const struct stat& targetInfo,
                          std::span<const unsigned char> head);

} // namespace pentavo
