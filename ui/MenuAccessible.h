#pragma once

#include <QStringList>

class QAccessibleInterface;
class QAction;
class QMenu;

namespace pentavo {

// A drop-down menu of the menu bar and its items as screen readers read them. The toolkit reports
// no item as checkable, so readers say "checked" of a ticked item and nothing of an unticked one;
// a check item here is a check box, with its state either way. The menu is ours too, because the
// toolkit's counts only menu items among its children, and readers ignore a child not counted.
// Nothing for a menu in no menu bar, or an action in no menu, which keep the toolkit's own.
QAccessibleInterface* MakeMenuAccessible(QMenu* menu);
QAccessibleInterface* MakeMenuItemAccessible(QAction* action);

// An item's keys in the form desktop screen readers parse: its access letter, the path of access
// letters from the menu bar, and its shortcut, "n;<Alt>f:n;<Control>n". Empty when it has none.
QStringList MenuItemKeyBindings(const QAction& action);

} // namespace pentavo
