#pragma once

#include "files/GameRecord.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <sys/resource.h>

namespace pentavo {

// What a record operation did in a child process, or why it could not be run there.
struct ChildOutcome {
    std::optional<std::string> skipReason;
    bool ok = false;
    std::string message;
};

// Runs `operation` in a forked child as the user nobody, so that permissions hold even when the
// tests run as root. A caller that is not root is already bound by them and stays itself.
// Skipped when nobody cannot reach `folder`.
ChildOutcome RunAsNobody(const std::filesystem::path& folder,
                         const std::function<Outcome()>& operation);

// Runs `operation` in a forked child whose files cannot grow past `limit` bytes: a disk that
// fills up part way through a write.
ChildOutcome RunWithFileSizeLimit(rlim_t limit, const std::function<Outcome()>& operation);

// Runs `operation` in a forked child with a mount namespace of its own, in which the file
// `source` is bound over the file `target`: a record that is a mount point. The binding goes with
// the child. Skipped where the child may not mount.
ChildOutcome RunWithFileBound(const std::filesystem::path& source,
                              const std::filesystem::path& target,
                              const std::function<Outcome()>& operation);

} // namespace pentavo
