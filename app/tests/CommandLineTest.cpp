#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pentavo {
namespace {

using Action = CommandLine::Action;

struct Case {
    std::vector<std::string_view> args;
    Action action;
    std::string file;
    std::string errorPart; // a piece the refusal must name
};

TEST(CommandLine, EachArgumentListAsksForOneThing) {
    const Case cases[] = {
        {{}, Action::Play, "", ""},
        {{"game.pnv"}, Action::Play, "game.pnv", ""},
        {{"--help"}, Action::Help, "", ""},
        {{"-h"}, Action::Help, "", ""},
        {{"--version"}, Action::Version, "", ""},
        // Help or version asked for anywhere wins over a file given before it.
        {{"game.pnv", "--version"}, Action::Version, "", ""},
        // After "--" everything is a file name, even one that looks like an option.
        {{"--", "--help"}, Action::Play, "--help", ""},
        {{"--", "-"}, Action::Play, "-", ""},
        {{"--frobnicate"}, Action::Refuse, "", "'--frobnicate'"},
        {{"-platform", "offscreen"}, Action::Refuse, "", "'-platform'"},
        {{"-"}, Action::Refuse, "", "'-'"},
        {{"a.pnv", "b.pnv"}, Action::Refuse, "", "'a.pnv' and 'b.pnv'"},
        {{"a.pnv", "--", "b.pnv"}, Action::Refuse, "", "'b.pnv'"},
        {{""}, Action::Refuse, "", "empty file name"},
    };
    for (const Case& c : cases) {
        std::string shown;
        for (const std::string_view arg : c.args)
            shown += " [" + std::string(arg) + "]";
        SCOPED_TRACE("arguments:" + shown);
        const CommandLine got = ParseCommandLine(c.args);
        EXPECT_EQ(got.action, c.action);
        EXPECT_EQ(got.file, c.file);
        if (c.action == Action::Refuse)
            EXPECT_NE(got.error.English().find(c.errorPart), std::string::npos)
                << got.error.English();
        else
            EXPECT_EQ(got.error.English(), "");
    }
}

} // namespace
} // namespace pentavo
