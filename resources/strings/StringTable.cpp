#include "resources/strings/StringTable.h"

#include <array>

namespace pentavo {

namespace {

constexpr std::int16_t FirstId = 1000;

// One language; identifiers run from FirstId without gaps.
constexpr std::array<std::string_view, 45> Texts = {
    "&File",             // 1000
    "&New",              // 1001
    "&Open...",          // 1002
    "&Save",             // 1003
    "Page Set&up...",    // 1004
    "Print Pre&view",    // 1005
    "&Print...",         // 1006
    "E&xit",             // 1007
    "&Edit",             // 1008
    "&Undo",             // 1009
    "&View",             // 1010
    "&Toolbar",          // 1011
    "Status &Bar",       // 1012
    "&Options...",       // 1013
    "&Help",             // 1014
    "&Contents",         // 1015
    "&About ",           // 1016
    "New",               // 1017
    "Open",              // 1018
    "Save",              // 1019
    "Print",             // 1020
    "Undo",              // 1021
    "Copyright",         // 1022
    "Company",           // 1023
    "Warning",           // 1024
    "Version",           // 1025
    "Platform",          // 1026
    "CompanyProduct",    // 1027
    "Product",           // 1028
    "LicenseTo",         // 1029
    "Options",           // 1030
    "Sample 1",          // 1031
    "Sample 2",          // 1032
    "Sample 3",          // 1033
    "Sample 4",          // 1034
    "&Apply",            // 1035
    "Cancel",            // 1036
    "OK",                // 1037
    "About Pentavo",     // 1038
    "&System Info...",   // 1039
    "OK",                // 1040
    "Warning: ...",      // 1041
    "Version",           // 1042
    "Application Title", // 1043
    "App Description",   // 1044
};

} // namespace

std::optional<std::string_view> LoadResString(std::int16_t id) {
    const int index = id - FirstId;
    if (index < 0 || index >= static_cast<int>(Texts.size())) {
        return std::nullopt;
    }
    return Texts[static_cast<std::size_t>(index)];
}

} // namespace pentavo
