#pragma once

#include "core/Outcome.h"

#include <filesystem>
#include <optional>
#include <span>
#include <sys/stat.h>

namespace pentavo {

// Builds `head` followed by the target's bytes from offset head.size() on in a temporary file
// beside the target, and renames it over the target with the target's mode and owner. Done, or
// failed with the system's reason, when it was tried (a failure changed nothing); nothing when it
// is impossible here, which also changed nothing, and the file must be written in place.
// Impossible when no such file can be made, when it cannot carry the target's owner, when the
// target cannot be read for its tail, when the target has other names a rename would part from
// it, or when the target is a mount point that no rename may replace. `targetInfo` describes the
// target as it was opened for writing.
[[nodiscard]] std::optional<Outcome> ReplaceRecord(const std::filesystem::path& target,
                                                   const struct stat& targetInfo,
                                                   std::span<const unsigned char> head);

} // namespace pentavo
