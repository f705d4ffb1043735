// Any text through the two number readings of the captions: a whole number read from a text is
// within a half of what the leading-number reading sees in the same text, and the rounding of a
// double never moves it by more than a half.

#include "forms/NumberText.h"
#include "fuzz/FuzzCheck.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pentavo;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const double leading = ReadLeadingNumber(text);
    FUZZ_CHECK(!std::isnan(leading));
    if (const auto whole = ToWholeNumber(text)) {
        // A text that is one number reads whole in both ways; the binary double may differ from
        // the decimal text by a rounding step, far below this margin.
        FUZZ_CHECK(std::isfinite(leading));
        FUZZ_CHECK(std::fabs(leading - *whole) <= 0.5 + 1e-9);
        if (std::fabs(leading - *whole) < 0.5 - 1e-9)
            FUZZ_CHECK(ToWholeNumber(leading) == whole);
    }

    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        if (const auto rounded = ToWholeNumber(value)) {
            FUZZ_CHECK(std::fabs(value - *rounded) <= 0.5);
        } else {
            FUZZ_CHECK(!std::isfinite(value) || std::fabs(value) > 32766);
        }
    }
    return 0;
}
