#include "resources/strings/StringTable.h"

#include <gtest/gtest.h>

#include <iterator>
#include <limits>
#include <string_view>

namespace pentavo {
namespace {

struct Entry {
    std::int16_t id;
    std::string_view text;
};

// Written out from the product's text list, not taken from the table under test.
constexpr Entry Expected[] = {
    {1000, "&File"},
    {1001, "&New"},
    {1002, "&Open..."},
    {1003, "&Save"},
    {1004, "Page Set&up..."},
    {1005, "Print Pre&view"},
    {1006, "&Print..."},
    {1007, "E&xit"},
    {1008, "&Edit"},
    {1009, "&Undo"},
    {1010, "&View"},
    {1011, "&Toolbar"},
    {1012, "Status &Bar"},
    {1013, "&Options..."},
    {1014, "&Help"},
    {1015, "&Contents"},
    {1016, "&About "},
    {1017, "New"},
    {1018, "Open"},
    {1019, "Save"},
    {1020, "Print"},
    {1021, "Undo"},
    {1022, "Copyright"},
    {1023, "Company"},
    {1024, "Warning"},
    {1025, "Version"},
    {1026, "Platform"},
    {1027, "CompanyProduct"},
    {1028, "Product"},
    {1029, "LicenseTo"},
    {1030, "Options"},
    {1031, "Sample 1"},
    {1032, "Sample 2"},
    {1033, "Sample 3"},
    {1034, "Sample 4"},
    {1035, "&Apply"},
    {1036, "Cancel"},
    {1037, "OK"},
    {1038, "About Pentavo"},
    {1039, "&System Info..."},
    {1040, "OK"},
    {1041, "Warning: ..."},
    {1042, "Version"},
    {1043, "Application Title"},
    {1044, "App Description"},
    {1045, "Mark &Last Move"},
    {1046, "&Redo"},
    {1047, "Show &Winning Five"},
    {1048, "&Hint"},
    {1049, "&Statistics..."},
};

TEST(StringTable, HoldsEveryTextUnderItsId) {
    for (const Entry& entry : Expected) {
        const auto text = LoadResString(entry.id);
        ASSERT_TRUE(text.has_value()) << entry.id;
        EXPECT_EQ(*text, entry.text) << entry.id;
    }
}

TEST(StringTable, HoldsNothingElse) {
    int found = 0;
    for (int id = std::numeric_limits<std::int16_t>::min();
         id <= std::numeric_limits<std::int16_t>::max(); ++id) {
        if (LoadResString(static_cast<std::int16_t>(id))) {
            ++found;
        }
    }
    EXPECT_EQ(found, static_cast<int>(std::size(Expected)));
}

TEST(StringTable, FailsForIdsBesideTheTable) {
    for (const std::int16_t id :
         {std::int16_t{0}, std::int16_t{20}, std::int16_t{21}, std::int16_t{999},
          std::int16_t{1050}, std::int16_t{-1000}, std::numeric_limits<std::int16_t>::min(),
          std::numeric_limits<std::int16_t>::max()}) {
        EXPECT_FALSE(LoadResString(id).has_value()) << id;
    }
}

} // namespace
} // namespace pentavo
