#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace pentavo {

// A program run with pipes on its standard input and output. Every wait is bounded, so a program
// that hangs fails the test instead of blocking it.
class ChildProcess {
public:
    static constexpr std::chrono::seconds Patience{20};

    explicit ChildProcess(const char* path);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Writes all of `text`, gathering the output meanwhile so neither side waits on the other.
    // False when the program stopped reading or the time ran out.
    bool Send(std::string_view text);
    // The next output line without its LF; nothing at the end of the output or on timeout.
    std::optional<std::string> ReadLine();
    // All output not read yet, up to its end; nothing on timeout.
    std::optional<std::string> ReadToEnd();
    void CloseInput();
    void CloseOutput();
    // The exit code; nothing when the program was ended by a signal or had to be killed.
    std::optional<int> Wait();
    // The process id while the program runs (for reading its /proc entry).
    pid_t Pid() const { return pid_; }

private:
    using Clock = std::chrono::steady_clock;
    // Reads once from the output if it has something before the deadline; false on timeout.
    bool ReadSome(Clock::time_point deadline);

    pid_t pid_ = -1;
    int input_ = -1;  // our end of the program's standard input
    int output_ = -1; // our end of its standard output
    std::string pending_;
    bool outputEnded_ = false;
};

} // namespace pentavo
