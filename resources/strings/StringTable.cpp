#include "resources/strings/StringTable.h"

#include "core/Translatable.h"

#include <array>

namespace pentavo {

namespace {

constexpr std::int16_t FirstId = 1000;

// The English table, from which every language is translated: lupdate takes each text in the
// context "StringTable", and the caption loader translates it by its English words. Identifiers
// run from FirstId without gaps.
constexpr std::array<std::string_view, 50> Texts = {
    QT_TRANSLATE_NOOP("StringTable", "&File"),          // 1000
    QT_TRANSLATE_NOOP("StringTable", "&New"),           // 1001
    QT_TRANSLATE_NOOP("StringTable", "&Open..."),       // 1002
    QT_TRANSLATE_NOOP("StringTable", "&Save"),          // 1003
    QT_TRANSLATE_NOOP("StringTable", "Page Set&up..."), // 1004
    QT_TRANSLATE_NOOP("StringTable", "Print Pre&view"), // 1005
    QT_TRANSLATE_NOOP("StringTable", "&Print..."),      // 1006
    QT_TRANSLATE_NOOP("StringTable", "E&xit"),          // 1007
    QT_TRANSLATE_NOOP("StringTable", "&Edit"),          // 1008
    //: Edit menu: takes back the last two moves, yours and the computer's reply. The game's word
    //: for taking back moves, never the word for Cancel.
    QT_TRANSLATE_NOOP("StringTable", "&Undo"),       // 1009
    QT_TRANSLATE_NOOP("StringTable", "&View"),       // 1010
    QT_TRANSLATE_NOOP("StringTable", "&Toolbar"),    // 1011
    QT_TRANSLATE_NOOP("StringTable", "Status &Bar"), // 1012
    QT_TRANSLATE_NOOP("StringTable", "&Options..."), // 1013
    QT_TRANSLATE_NOOP("StringTable", "&Help"),       // 1014
    QT_TRANSLATE_NOOP("StringTable", "&Contents"),   // 1015
    //: Help menu: opens the About box.
    QT_TRANSLATE_NOOP("StringTable", "&About "), // 1016
    //: Tooltip of the toolbar button that starts a new game (File > New).
    QT_TRANSLATE_NOOP("StringTable", "New"), // 1017
    //: Tooltip of the toolbar button that opens a saved game (File > Open).
    QT_TRANSLATE_NOOP("StringTable", "Open"), // 1018
    //: Tooltip of the toolbar button that saves the game (File > Save).
    QT_TRANSLATE_NOOP("StringTable", "Save"), // 1019
    //: Tooltip of the toolbar button that prints the window (File > Print).
    QT_TRANSLATE_NOOP("StringTable", "Print"), // 1020
    //: Tooltip of the toolbar button for Edit > Undo; the same word as there.
    QT_TRANSLATE_NOOP("StringTable", "Undo"), // 1021
    //: Splash window: a small label showing this word itself.
    QT_TRANSLATE_NOOP("StringTable", "Copyright"), // 1022
    //: Splash window: a small label showing this word itself.
    QT_TRANSLATE_NOOP("StringTable", "Company"), // 1023
    //: Shown in no window; kept so that the table keeps its numbers.
    QT_TRANSLATE_NOOP("StringTable", "Warning"), // 1024
    //: Splash window: replaced by the version number before it is shown.
    QT_TRANSLATE_NOOP("StringTable", "Version"), // 1025
    //: Splash window: a label showing this word itself, under the program's name.
    QT_TRANSLATE_NOOP("StringTable", "Platform"), // 1026
    //: Shown in no window; kept so that the table keeps its numbers.
    QT_TRANSLATE_NOOP("StringTable", "CompanyProduct"), // 1027
    //: Splash window: replaced by the program's name before it is shown.
    QT_TRANSLATE_NOOP("StringTable", "Product"), // 1028
    //: Shown in no window; kept so that the table keeps its numbers.
    QT_TRANSLATE_NOOP("StringTable", "LicenseTo"), // 1029
    //: Title of the Options dialog.
    QT_TRANSLATE_NOOP("StringTable", "Options"), // 1030
    //: Shown in no window; kept so that the table keeps its numbers.
    QT_TRANSLATE_NOOP("StringTable", "Sample 1"), // 1031
    //: Caption of an Options dialog frame that is never on screen.
    QT_TRANSLATE_NOOP("StringTable", "Sample 2"), // 1032
    //: Caption of an Options dialog frame that is never on screen.
    QT_TRANSLATE_NOOP("StringTable", "Sample 3"), // 1033
    //: Caption of an Options dialog frame that is never on screen.
    QT_TRANSLATE_NOOP("StringTable", "Sample 4"), // 1034
    //: Shown in no window; kept so that the table keeps its numbers.
    QT_TRANSLATE_NOOP("StringTable", "&Apply"), // 1035
    //: Options dialog button: closes it and keeps the options as they were.
    QT_TRANSLATE_NOOP("StringTable", "Cancel"), // 1036
    //: Options dialog button.
    QT_TRANSLATE_NOOP("StringTable", "OK"),            // 1037
    QT_TRANSLATE_NOOP("StringTable", "About Pentavo"), // 1038
    //: Shown in no window; kept so that the table keeps its numbers.
    QT_TRANSLATE_NOOP("StringTable", "&System Info..."), // 1039
    //: About box button.
    QT_TRANSLATE_NOOP("StringTable", "OK"), // 1040
    //: Shown in no window; kept so that the table keeps its numbers.
    QT_TRANSLATE_NOOP("StringTable", "Warning: ..."), // 1041
    //: About box: replaced by the version line before it is shown.
    QT_TRANSLATE_NOOP("StringTable", "Version"), // 1042
    //: About box: replaced by the program's name before it is shown.
    QT_TRANSLATE_NOOP("StringTable", "Application Title"), // 1043
    //: Shown in no window; kept so that the table keeps its numbers.
    QT_TRANSLATE_NOOP("StringTable", "App Description"), // 1044
    //: View menu, a toggle: puts a dot on the computer's last move.
    QT_TRANSLATE_NOOP("StringTable", "Mark &Last Move"), // 1045
    //: Edit menu: puts back, two at a time, the moves Undo took back.
    QT_TRANSLATE_NOOP("StringTable", "&Redo"), // 1046
    //: View menu, a check mark: a line through the five in a row that ended the game.
    QT_TRANSLATE_NOOP("StringTable", "Show &Winning Five"), // 1047
    //: Edit menu: shows the cell the computer would play in your place; nothing is played.
    QT_TRANSLATE_NOOP("StringTable", "&Hint"), // 1048
    //: View menu: opens the count of games won, lost and drawn.
    QT_TRANSLATE_NOOP("StringTable", "&Statistics..."), // 1049
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
