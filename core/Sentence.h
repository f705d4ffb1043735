#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace pentavo {

// A text for the person in a form every language can take: an English pattern, marked for the
// translators in the context "Outcome", whose places %1 to %9 its parts fill. A verbatim part (a
// path, a number, the system's own words) is never translated.
class Sentence {
public:
    // Empty.
    Sentence() = default;
    explicit Sentence(const char* pattern, std::vector<Sentence> parts = {})
        : text_(pattern), parts_(std::move(parts)) {}
    static Sentence Verbatim(std::string text) {
        Sentence verbatim("");
        verbatim.text_ = std::move(text);
        verbatim.verbatim_ = true;
        return verbatim;
    }

    // The whole text, each pattern first passed through `translate`.
    std::string Render(const std::function<std::string(const std::string&)>& translate) const {
        if (verbatim_)
            return text_;
        std::vector<std::string> parts;
        for (const Sentence& part : parts_)
            parts.push_back(part.Render(translate));
        return FillPlaces(translate(text_), parts);
    }
    std::string English() const {
        return Render([](const std::string& pattern) { return pattern; });
    }

    // Fills %1 to %9 in one pass, so that a part's own "%1" (in a path, say) stays as it is; a
    // place without a part stays too.
    static std::string FillPlaces(const std::string& pattern,
                                  const std::vector<std::string>& parts) {
        std::string filled;
        for (std::size_t i = 0; i < pattern.size(); ++i) {
            const bool place = pattern[i] == '%' && i + 1 < pattern.size() &&
                               pattern[i + 1] >= '1' && pattern[i + 1] <= '9';
            const auto index = place ? static_cast<std::size_t>(pattern[i + 1] - '1') : 0;
            if (place && index < parts.size()) {
                filled += parts[index];
                ++i;
            } else {
                filled += pattern[i];
            }
        }
        return filled;
    }

private:
    std::string text_;
    std::vector<Sentence> parts_;
    bool verbatim_ = false;
};

} // namespace pentavo
