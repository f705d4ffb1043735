#include "resources/strings/StringTable.h"

#include "core/Translatable.h"

#include <array>

namespace pentavo {

namespace {

constexpr std::int16_t FirstId = 1000;

// The English table, from which every language is translated: lupdate takes each text in the
// context "StringTable", and the caption loader translates it by its English words. Identifiers
// run from FirstId without gaps.
constexpr std::array<std::string_view, 46> Texts = {
    QT_TRANSLATE_NOOP("StringTable", "&File"),             // 1000
    QT_TRANSLATE_NOOP("StringTable", "&New"),              // 1001
    QT_TRANSLATE_NOOP("StringTable", "&Open..."),          // 1002
    QT_TRANSLATE_NOOP("StringTable", "&Save"),             // 1003
    QT_TRANSLATE_NOOP("StringTable", "Page Set&up..."),    // 1004
    QT_TRANSLATE_NOOP("StringTable", "Print Pre&view"),    // 1005
    QT_TRANSLATE_NOOP("StringTable", "&Print..."),         // 1006
    QT_TRANSLATE_NOOP("StringTable", "E&xit"),             // 1007
    QT_TRANSLATE_NOOP("StringTable", "&Edit"),             // 1008
    QT_TRANSLATE_NOOP("StringTable", "&Undo"),             // 1009
    QT_TRANSLATE_NOOP("StringTable", "&View"),             // 1010
    QT_TRANSLATE_NOOP("StringTable", "&Toolbar"),          // 1011
    QT_TRANSLATE_NOOP("StringTable", "Status &Bar"),       // 1012
    QT_TRANSLATE_NOOP("StringTable", "&Options..."),       // 1013
    QT_TRANSLATE_NOOP("StringTable", "&Help"),             // 1014
    QT_TRANSLATE_NOOP("StringTable", "&Contents"),         // 1015
    QT_TRANSLATE_NOOP("StringTable", "&About "),           // 1016
    QT_TRANSLATE_NOOP("StringTable", "New"),               // 1017
    QT_TRANSLATE_NOOP("StringTable", "Open"),              // 1018
    QT_TRANSLATE_NOOP("StringTable", "Save"),              // 1019
    QT_TRANSLATE_NOOP("StringTable", "Print"),             // 1020
    QT_TRANSLATE_NOOP("StringTable", "Undo"),              // 1021
    QT_TRANSLATE_NOOP("StringTable", "Copyright"),         // 1022
    QT_TRANSLATE_NOOP("StringTable", "Company"),           // 1023
    QT_TRANSLATE_NOOP("StringTable", "Warning"),           // 1024
    QT_TRANSLATE_NOOP("StringTable", "Version"),           // 1025
    QT_TRANSLATE_NOOP("StringTable", "Platform"),          // 1026
    QT_TRANSLATE_NOOP("StringTable", "CompanyProduct"),    // 1027
    QT_TRANSLATE_NOOP("StringTable", "Product"),           // 1028
    QT_TRANSLATE_NOOP("StringTable", "LicenseTo"),         // 1029
    QT_TRANSLATE_NOOP("StringTable", "Options"),           // 1030
    QT_TRANSLATE_NOOP("StringTable", "Sample 1"),          // 1031
    QT_TRANSLATE_NOOP("StringTable", "Sample 2"),          // 1032
    QT_TRANSLATE_NOOP("StringTable", "Sample 3"),          // 1033
    QT_TRANSLATE_NOOP("StringTable", "Sample 4"),          // 1034
    QT_TRANSLATE_NOOP("StringTable", "&Apply"),            // 1035
    QT_TRANSLATE_NOOP("StringTable", "Cancel"),            // 1036
    QT_TRANSLATE_NOOP("StringTable", "OK"),                // 1037
    QT_TRANSLATE_NOOP("StringTable", "About Pentavo"),     // 1038
    QT_TRANSLATE_NOOP("StringTable", "&System Info..."),   // 1039
    QT_TRANSLATE_NOOP("StringTable", "OK"),                // 1040
    QT_TRANSLATE_NOOP("StringTable", "Warning: ..."),      // 1041
    QT_TRANSLATE_NOOP("StringTable", "Version"),           // 1042
    QT_TRANSLATE_NOOP("StringTable", "Application Title"), // 1043
    QT_TRANSLATE_NOOP("StringTable", "App Description"),   // 1044
    QT_TRANSLATE_NOOP("StringTable", "Mark &Last Move"),   // 1045
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
