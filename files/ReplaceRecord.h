#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <sys/stat.h>

namespace pentavo {

struct Replacement {
    enum class Outcome {
        Done,
        Failed,    // nothing changed; `reason` tells why
        Impossible // nothing changed; the file must be written in place instead
    };
    Outcome outcome;
    std::string reason;
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
