#include "ui/MenuAccessible.h"

#include "ui/Accessibility.h"

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QAccessibleWidget>
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

namespace pentavo {

namespace {

// The menu (or menu bar) the action is an item of.
template <typename Owner> Owner* OwnerOf(const QAction& action) {
    for (QObject* owner : action.associatedObjects())
        if (auto* found = qobject_cast<Owner*>(owner))
            return found;
    return nullptr;
}

QMenu* OwningMenu(const QAction& action) {
    return OwnerOf<QMenu>(action);
}

// A key as the desktop names it in a key binding: "n", "F5", "Delete".
QString KeyName(Qt::Key key) {
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return QString(QChar(key)).toLower();
    return QKeySequence(key).toString(QKeySequence::PortableText);
}

QString Binding(QKeyCombination keys) {
    QString binding;
    const Qt::KeyboardModifiers modifiers = keys.keyboardModifiers();
    if (modifiers.testFlag(Qt::ShiftModifier))
        binding += "<Shift>";
    if (modifiers.testFlag(Qt::ControlModifier))
        binding += "<Control>";
    if (modifiers.testFlag(Qt::AltModifier))
        binding += "<Alt>";
    if (modifiers.testFlag(Qt::MetaModifier))
        binding += "<Super>";
    return binding + KeyName(keys.key());
}

// The access letter of a caption ("&New": n), empty when it has none.
QString AccessLetter(const QString& caption) {
    const QKeySequence mnemonic = QKeySequence::mnemonic(caption);
    return mnemonic.isEmpty() ? QString() : KeyName(mnemonic[0].key());
}

class MenuItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    MenuItemAccessible(QMenu* menu, QAction* action) : menu_(menu), action_(action) {}

    bool isValid() const override { return menu_ != nullptr && action_ != nullptr; }
    QObject* object() const override { return action_.data(); }
    QWindow* window() const override { return menu_->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(menu_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return WithoutAccessMark(action_->text());
        if (t == QAccessible::Accelerator)
            return action_->shortcut().toString(QKeySequence::NativeText);
        return QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const QRect item = menu_->actionGeometry(action_);
        return item.translated(menu_->mapToGlobal(QPoint(0, 0)));
    }
    QAccessible::Role role() const override {
        if (action_->isSeparator())
            return QAccessible::Separator;
        return action_->isCheckable() ? QAccessible::CheckBox : QAccessible::MenuItem;
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = !menu_->isVisible() || !action_->isVisible();
        state.focused = menu_->activeAction() == action_;
        state.disabled = action_->isSeparator() || !action_->isEnabled();
        state.checkable = action_->isCheckable();
        state.checked = action_->isChecked();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override {
        return action_->isSeparator() ? QStringList() : QStringList{pressAction()};
    }
    void doAction(const QString& name) override {
        if (name == pressAction() && action_->isEnabled())
            action_->trigger();
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        return name == pressAction() ? MenuItemKeyBindings(*action_) : QStringList();
    }

private:
    QPointer<QMenu> menu_;
    QPointer<QAction> action_;
};

// A menu of the menu bar, its children one per action, each made by the factory.
class MenuAccessible : public QAccessibleWidget {
public:
    explicit MenuAccessible(QMenu* menu) : QAccessibleWidget(menu, QAccessible::PopupMenu) {}

    // The menu bar's item that opens it.
    QAccessibleInterface* parent() const override {
        QAction* title = Menu()->menuAction();
        if (auto* bar = OwnerOf<QMenuBar>(*title))
            if (QAccessibleInterface* items = QAccessible::queryAccessibleInterface(bar))
                return items->child(static_cast<int>(bar->actions().indexOf(title)));
        return QAccessibleWidget::parent();
    }
    int childCount() const override { return static_cast<int>(Menu()->actions().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QAction*> actions = Menu()->actions();
        return index >= 0 && index < actions.size()
                   ? QAccessible::queryAccessibleInterface(actions[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* item) const override {
        return static_cast<int>(Menu()->actions().indexOf(qobject_cast<QAction*>(item->object())));
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        QAction* action = Menu()->actionAt(Menu()->mapFromGlobal(QPoint(x, y)));
        return action != nullptr ? QAccessible::queryAccessibleInterface(action) : nullptr;
    }

private:
    QMenu* Menu() const { return static_cast<QMenu*>(widget()); }
};

bool InMenuBar(const QMenu& menu) {
    return OwnerOf<QMenuBar>(*menu.menuAction()) != nullptr;
}

} // namespace

QAccessibleInterface* MakeMenuAccessible(QMenu* menu) {
    return InMenuBar(*menu) ? new MenuAccessible(menu) : nullptr;
}

QAccessibleInterface* MakeMenuItemAccessible(QAction* action) {
    QMenu* menu = OwningMenu(*action);
    if (menu == nullptr || !InMenuBar(*menu) || action->menu() != nullptr)
        return nullptr;
    return new MenuItemAccessible(menu, action);
}

QStringList MenuItemKeyBindings(const QAction& action) {
    const QMenu* menu = OwningMenu(action);
    const QString letter = AccessLetter(action.text());
    QString path;
    if (menu != nullptr && !letter.isEmpty()) {
        const QString menuLetter = AccessLetter(menu->title());
        path = menuLetter.isEmpty() ? QString() : "<Alt>" + menuLetter + ":" + letter;
    }
    const QKeySequence shortcut = action.shortcut();
    const QString accelerator = shortcut.isEmpty() ? QString() : Binding(shortcut[0]);
    if (letter.isEmpty() && accelerator.isEmpty())
        return {};
    return {letter, path, accelerator};
}

} // namespace pentavo
