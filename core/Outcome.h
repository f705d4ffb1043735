#pragma once

#include <string>
#include <utility>

namespace pentavo {

// How every operation that can fail tells it: done, or failed with one sentence for the person,
// naming the file where there is one, e.g. `Cannot save "/x/y.pnv": Permission denied.` The
// window shows the sentence as it is; the brain answers it after "ERROR".
class [[nodiscard]] Outcome {
public:
    static Outcome Done() { return Outcome(true, {}); }
    static Outcome Failed(std::string message) { return Outcome(false, std::move(message)); }

    bool Ok() const { return ok_; }
    explicit operator bool() const { return ok_; }
    // Empty when the operation succeeded.
    const std::string& Message() const { return message_; }

private:
    Outcome(bool ok, std::string message) : ok_(ok), message_(std::move(message)) {}

    // Kept apart from the message, so a failure whose reason came out empty is still a failure.
    bool ok_;
    std::string message_;
};

} // namespace pentavo
