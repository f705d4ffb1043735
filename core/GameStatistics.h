#pragma once

#include <algorithm>

namespace pentavo {

// The person's results over time: games won, lost and drawn, and the current streak, wins in a
// row as a positive number and losses in a row as a negative one (0 at first and after a draw).
struct GameStatistics {
    // No count goes beyond it, so that a stored count can always be counted on.
    static constexpr int Most = 999'999'999;

    enum class Result { Won, Lost, Drawn };

    int Won = 0;
    int Lost = 0;
    int Drawn = 0;
    int Streak = 0;

    void Count(Result result) {
        const auto oneMore = [](int count) { return std::min(count + 1, Most); };
        switch (result) {
        case Result::Won:
            Won = oneMore(Won);
            Streak = Streak > 0 ? oneMore(Streak) : 1;
            break;
        case Result::Lost:
            Lost = oneMore(Lost);
            Streak = Streak < 0 ? -oneMore(-Streak) : -1;
            break;
        case Result::Drawn:
            Drawn = oneMore(Drawn);
            Streak = 0;
            break;
        }
    }

    bool operator==(const GameStatistics&) const = default;
};

} // namespace pentavo
