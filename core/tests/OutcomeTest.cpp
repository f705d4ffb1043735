#include "core/Outcome.h"

#include <gtest/gtest.h>

namespace pentavo {
namespace {

// Success is its own flag: a failure whose reason came out empty must not pass for done.
TEST(Outcome, FailureIsKeptApartFromItsMessage) {
    const struct {
        const char* what;
        Outcome outcome;
        bool ok;
        const char* message;
    } cases[] = {
        {"done", Outcome::Done(), true, ""},
        {"failed", Outcome::Failed("Cannot save \"a.pnv\": No space left on device."), false,
         "Cannot save \"a.pnv\": No space left on device."},
        {"failed without a reason", Outcome::Failed(""), false, ""},
        // A part's own "%1" stays as it is, and a place without a part stays a place.
        {"more places than parts",
         Outcome::Failed(Sentence("Cannot open \"%1\": %2.", {Sentence::Verbatim("%1.pnv")})),
         false, "Cannot open \"%1.pnv\": %2."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.outcome.Ok(), c.ok);
        EXPECT_EQ(static_cast<bool>(c.outcome), c.ok);
        EXPECT_EQ(c.outcome.Message(), c.message);
    }
}

} // namespace
} // namespace pentavo
