#include "app/CommandLine.h"

#include "core/Translatable.h"
#include "core/Version.h"

namespace pentavo {

namespace {

CommandLine Refused(Sentence error) {
    return {CommandLine::Action::Refuse, {}, std::move(error)};
}

Sentence Quoted(std::string_view text) {
    return Sentence::Verbatim(std::string(text));
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string_view>& args) {
    CommandLine result;
    bool optionsEnded = false;
    for (const std::string_view arg : args) {
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (arg == "-h" || arg == "--help")) {
            return {CommandLine::Action::Help, {}, {}};
        } else if (!optionsEnded && arg == "--version") {
            return {CommandLine::Action::Version, {}, {}};
        } else if (!optionsEnded && arg.starts_with('-')) {
            return Refused(
                Sentence(QT_TRANSLATE_NOOP("Outcome", "unknown option '%1'"), {Quoted(arg)}));
        } else if (arg.empty()) {
            return Refused(Sentence(QT_TRANSLATE_NOOP("Outcome", "an empty file name")));
        } else if (!result.file.empty()) {
            return Refused(Sentence(
                QT_TRANSLATE_NOOP(
                    "Outcome", "only one game record can be opened, but '%1' and '%2' were given"),
                {Quoted(result.file), Quoted(arg)}));
        } else {
            result.file = arg;
        }
    }
    return result;
}

const char* UsageText() {
    return QT_TRANSLATE_NOOP("CommandLine",
                             "Usage: pentavo [FILE]\n"
                             "Five in a row against the computer.\n"
                             "\n"
                             "  FILE         a saved game (.pnv) to open once the first game has "
                             "started\n"
                             "  -h, --help   show this help and exit\n"
                             "  --version    show the version and exit\n"
                             "  --           take what follows as the file, even when it starts "
                             "with '-'\n");
}

std::string VersionLine() {
    return std::string(AppTitle) + " " + VersionText + "\n" + CopyrightLine + "\n";
}

} // namespace pentavo
