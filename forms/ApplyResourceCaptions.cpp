#include "forms/ApplyResourceCaptions.h"

#include "forms/NumberText.h"
#include "resources/strings/StringTable.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QVariant>

#include <optional>

// Where a window keeps its identifiers (decimal text), and how a Qt widget maps to a control kind:
//
//   the window itself    its "Tag" property names its title.
//   QLabel               "Label": its "Tag" names its text (whole-number conversion).
//   QMenuBar, QMenu      "Menu": the items are the QActions of the window's menu bars and menus,
//                        each menu's own menuAction (its title) included, and each counts once;
//                        the identifier is the item's text, a separator's "-" stays.
//   QToolBar             "Toolbar": each action's tooltip as set on it. QAction::toolTip() falls
//                        back to the text when none was set; that fallback is not an identifier.
//   QTabBar              "TabStrip": each tab's tag is its tabData (a QString), then its tooltip.
//   QTreeView,           "ListView": each column of the horizontal header; the column's tag is its
//   QTableView           header data under Qt::UserRole (QTreeWidget::headerItem()->setData(col,
//                        Qt::UserRole, ...), QTableWidget's horizontalHeaderItem(col) likewise).
//   QToolButton with     part of a toolbar button or menu item, which is handled through its
//   a default action     action; not a control of its own.
//   anything else        the leading-number reading of its "Tag" (the caption of buttons and group
//                        boxes, see SetCaption) and of its tooltip; only identifiers above 0 count.
//
// Controls are the window's descendant widgets, not those of other windows it parents; its menus
// are popups, hence windows, but belong to it. QActions have no font; every widget takes the
// window's.

namespace pentavo {

namespace {

// The table's text in the person's language, looked up by its English words (each a whole
// string literal, so its data ends in a zero).
std::optional<QString> TextById(std::int16_t id) {
    const auto text = LoadResString(id);
    if (!text) {
        return std::nullopt;
    }
    return QCoreApplication::translate("StringTable", text->data());
}

// The string whose identifier is the whole-number conversion of `id`.
std::optional<QString> TextByWholeNumber(const QString& id) {
    const auto number = ToWholeNumber(id.toStdString());
    return number ? TextById(*number) : std::nullopt;
}

// The string whose identifier the text starts with; identifiers of 0 and below do not count.
std::optional<QString> TextByLeadingNumber(const QString& id) {
    const std::int16_t number = ToWholeNumber(ReadLeadingNumber(id.toStdString())).value_or(0);
    return number > 0 ? TextById(number) : std::nullopt;
}

QString Tag(const QObject& object) {
    return object.property("Tag").toString();
}

// The caption of the widget kinds that have one; others have none to set.
void SetCaption(QWidget& control, const QString& text) {
    if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
        button->setText(text);
    } else if (auto* box = qobject_cast<QGroupBox*>(&control)) {
        box->setTitle(text);
    } else if (auto* label = qobject_cast<QLabel*>(&control)) {
        label->setText(text);
    }
}

// The tooltip set on the action, without the fallback to its text (or icon text): given a text no
// tooltip would hold for a moment, the action shows that text unless it has a tooltip of its own.
QString OwnToolTip(QAction& action) {
    const QString probe(QChar(1));
    const QSignalBlocker quiet(action);
    const QString text = action.text();
    action.setText(probe);
    const QString toolTip = action.toolTip();
    action.setText(text);
    return toolTip == probe ? QString() : toolTip;
}

void ApplyWindowTitle(QWidget& window) {
    if (const auto title = TextByWholeNumber(Tag(window))) {
        window.setWindowTitle(*title);
    }
}

// The table may name the window font (20) and its size (21); this one names neither.
void ApplyWindowFontFromTable(QWidget& window) {
    QFont font = window.font();
    bool changed = false;
    if (const auto name = TextById(20)) {
        font.setFamily(*name);
        changed = true;
    }
    if (const auto size = TextById(21)) {
        if (const auto points = ToWholeNumber(size->toStdString()); points && *points > 0) {
            font.setPointSize(*points);
            changed = true;
        }
    }
    if (changed) {
        window.setFont(font);
    }
}

void ApplyLabel(QLabel& label) {
    if (const auto text = TextByWholeNumber(Tag(label))) {
        label.setText(*text);
    }
}

void ApplyMenuItem(QAction& item) {
    if (const auto caption = TextByWholeNumber(item.text())) {
        item.setText(*caption);
    }
}

void ApplyToolbar(QToolBar& toolbar) {
    for (QAction* button : toolbar.actions()) {
        if (const auto toolTip = TextByWholeNumber(OwnToolTip(*button))) {
            button->setToolTip(*toolTip);
        }
    }
}

void ApplyTabStrip(QTabBar& tabs) {
    for (int i = 0; i < tabs.count(); ++i) {
        if (const auto caption = TextByWholeNumber(tabs.tabData(i).toString())) {
            tabs.setTabText(i, *caption);
        }
        if (const auto toolTip = TextByWholeNumber(tabs.tabToolTip(i))) {
            tabs.setTabToolTip(i, *toolTip);
        }
    }
}

void ApplyListView(QHeaderView& columns) {
    QAbstractItemModel* model = columns.model();
    if (model == nullptr) {
        return;
    }
    for (int column = 0; column < columns.count(); ++column) {
        const QString tag = model->headerData(column, Qt::Horizontal, Qt::UserRole).toString();
        if (const auto text = TextByWholeNumber(tag)) {
            model->setHeaderData(column, Qt::Horizontal, *text, Qt::DisplayRole);
        }
    }
}

void ApplyOther(QWidget& control) {
    if (const auto caption = TextByLeadingNumber(Tag(control))) {
        SetCaption(control, *caption);
    }
    if (const auto toolTip = TextByLeadingNumber(control.toolTip())) {
        control.setToolTip(*toolTip);
    }
}

void AddMenuItems(const QList<QAction*>& actions, QList<QAction*>& items) {
    for (QAction* action : actions) {
        if (!items.contains(action)) {
            items.append(action);
        }
    }
}

bool MirrorsAnAction(const QWidget& control) {
    const auto* button = qobject_cast<const QToolButton*>(&control);
    return button != nullptr && button->defaultAction() != nullptr;
}

// Applies the control's own kind; menu items are gathered for later so that each counts once.
void ApplyByKind(QWidget& control, QList<QAction*>& menuItems) {
    if (auto* label = qobject_cast<QLabel*>(&control)) {
        ApplyLabel(*label);
    } else if (auto* menu = qobject_cast<QMenu*>(&control)) {
        AddMenuItems({menu->menuAction()}, menuItems);
        AddMenuItems(menu->actions(), menuItems);
    } else if (auto* menuBar = qobject_cast<QMenuBar*>(&control)) {
        AddMenuItems(menuBar->actions(), menuItems);
    } else if (auto* toolbar = qobject_cast<QToolBar*>(&control)) {
        ApplyToolbar(*toolbar);
    } else if (auto* tabs = qobject_cast<QTabBar*>(&control)) {
        ApplyTabStrip(*tabs);
    } else if (auto* tree = qobject_cast<QTreeView*>(&control)) {
        ApplyListView(*tree->header());
    } else if (auto* table = qobject_cast<QTableView*>(&control)) {
        ApplyListView(*table->horizontalHeader());
    } else if (!MirrorsAnAction(control)) {
        ApplyOther(control);
    }
}

void CollectControls(QWidget& parent, QList<QWidget*>& controls) {
    for (QWidget* child : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() && qobject_cast<QMenu*>(child) == nullptr) {
            continue; // another window, with controls of its own
        }
        controls.append(child);
        CollectControls(*child, controls);
    }
}

// The window's font itself, every property fixed, so that no control keeps a font of its own
// design or of its class.
QFont SharedFont(const QWidget& window) {
    QFont font = window.font();
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}

} // namespace

void ApplyResourceCaptions(QWidget& window) {
    ApplyWindowTitle(window);
    ApplyWindowFontFromTable(window);

    const QFont font = SharedFont(window);
    QList<QWidget*> controls;
    CollectControls(window, controls);
    QList<QAction*> menuItems;
    for (QWidget* control : controls) {
        control->setFont(font);
        ApplyByKind(*control, menuItems);
    }
    for (QAction* item : menuItems) {
        ApplyMenuItem(*item);
    }
}

} // namespace pentavo
