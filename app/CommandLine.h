#pragma once

#include "core/Sentence.h"

#include <string>
#include <string_view>
#include <vector>

namespace pentavo {

// What the program was asked to do by its arguments. Plain C++, so that --help and --version
// need no display.
struct CommandLine {
    enum class Action { Play, Help, Version, Refuse };

    Action action = Action::Play;
    // The game record to open once the first game has started; empty when none was given.
    std::string file;
    // Why the arguments were refused.
    Sentence error;
};

// The arguments after the program's name: at most one file, -h/--help, --version, and "--" before
// a file whose name starts with '-'.
CommandLine ParseCommandLine(const std::vector<std::string_view>& args);

// The usage, marked for the translators in the context "CommandLine".
const char* UsageText();
std::string VersionLine();

} // namespace pentavo
