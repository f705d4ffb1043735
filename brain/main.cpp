// pbrain-pentavo: the computer opponent for tournament managers, speaking their line protocol on
// standard input and output.

#include "brain/Brain.h"
#include "brain/LineReader.h"

#include <csignal>
#include <iostream>

int main() {
    // A manager that hangs up must not kill us with SIGPIPE; the failed write ends the loop.
    (void)std::signal(SIGPIPE, SIG_IGN); // cannot fail for a valid signal number
    std::ios::sync_with_stdio(false);

    pentavo::Brain brain;
    pentavo::LineReader reader(std::cin, pentavo::MaxLineLength + 1);
    std::string line;
    while (!brain.Finished() && reader.Next(line)) {
        if (const auto answer = brain.Feed(line)) {
            std::cout << *answer << '\n' << std::flush;
            if (!std::cout)
                return 1;
        }
    }
    return 0;
}
