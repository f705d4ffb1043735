#pragma once

#include "core/Sentence.h"

#include <string>
#include <utility>

namespace pentavo {

// How every operation that can fail tells it: done, or failed with one sentence for the person,
// naming the file where there is one, e.g. `Cannot save "/x/y.pnv": Permission denied.` The
// window shows the sentence in the person's language; the brain answers it in English after
// "ERROR".
class [[nodiscard]] Outcome {
public:
    static Outcome Done() { return Outcome(true, Sentence()); }
    // A message in words of the program's own, for the windows to translate.
    static Outcome Failed(Sentence message) { return Outcome(false, std::move(message)); }
    // A message that is never translated (the brain's protocol, the system's own words).
    static Outcome Failed(std::string message) {
        return Outcome(false, Sentence::Verbatim(std::move(message)));
    }

    bool Ok() const { return ok_; }
    explicit operator bool() const { return ok_; }
    // Empty when the operation succeeded.
    const std::string& Message() const { return message_; }
    // The same message, ready to be translated.
    const Sentence& Text() const { return sentence_; }

private:
    Outcome(bool ok, Sentence sentence)
        : ok_(ok), sentence_(std::move(sentence)), message_(sentence_.English()) {}

    // Kept apart from the message, so a failure whose reason came out empty is still a failure.
    bool ok_;
    Sentence sentence_;
    std::string message_;
};

} // namespace pentavo
