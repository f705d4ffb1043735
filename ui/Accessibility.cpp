#include "ui/Accessibility.h"

#include "core/Board.h"
#include "core/Cell.h"
#include "ui/Announcer.h"
#include "ui/HelpViewer.h"
#include "ui/MenuAccessible.h"
#include "ui/StatusBar.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QWidget>

#include <array>
#include <memory>

namespace pentavo {

namespace {

class BoardAccessible;

// One cell of the board: no object of its own, it lives as long as the table that made it.
class CellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CellAccessible(BoardAccessible& table, Cell cell) : table_(table), cell_(cell) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return cell_.col; }
    int rowIndex() const override { return cell_.row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

private:
    BoardAccessible& table_;
    Cell cell_;
};

// The board as 15 by 15 cells, row by row. Its role is a list's: screen readers read a whole row
// of a table at every step up or down (15 cells, 20 seconds of speech), but one item of a list.
// The table interface stays for readers and tools that ask for rows and columns.
class BoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    BoardAccessible(QWidget* widget, const AccessibleBoardSource& source)
        : QAccessibleWidget(widget, QAccessible::List), source_(source) {}
    ~BoardAccessible() override {
        for (CellAccessible* cell : cells_)
            if (cell != nullptr)
                QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cell));
    }

    const AccessibleBoardSource& Source() const { return source_; }
    QWidget* Widget() const { return widget(); }

    // Nothing for a cell off the board.
    CellAccessible* Interface(std::optional<Cell> cell) const {
        if (!cell || !cell->IsOnBoard())
            return nullptr;
        const auto index = static_cast<std::size_t>(cell->Index());
        if (cells_[index] == nullptr) {
            auto* made = new CellAccessible(const_cast<BoardAccessible&>(*this), *cell);
            cells_[index] = made;
            QAccessible::registerAccessibleInterface(made);
        }
        // cppcheck-suppress CastIntegerToAddressAtReturn ; cells_ holds pointers, not integers
        return cells_[index];
    }

    int childCount() const override { return CellCount; }
    QAccessibleInterface* child(int index) const override {
        return Interface(Cell::FromIndex(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < CellCount; ++i)
            if (cells_[static_cast<std::size_t>(i)] == child)
                return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
        for (int row = 0; row < BoardSize; ++row)
            for (int col = 0; col < BoardSize; ++col)
                if (source_.CellRect(Cell{col, row}).contains(local))
                    return Interface(Cell{col, row});
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override { return Interface(source_.FocusCell()); }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        return Interface(Cell{column, row});
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    // A reader may ask for any number: none names a header off the board.
    QString columnDescription(int column) const override {
        return OnBoard(column, 0) ? QString::fromStdString(Cell::ColumnName(column)) : QString();
    }
    QString rowDescription(int row) const override {
        return OnBoard(0, row) ? QString::fromStdString(Cell::RowName(row)) : QString();
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return BoardSize; }
    int rowCount() const override { return BoardSize; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    const AccessibleBoardSource& source_;
    mutable std::array<CellAccessible*, CellCount> cells_{};
};

bool CellAccessible::isValid() const {
    return table_.isValid();
}

QWindow* CellAccessible::window() const {
    return table_.window();
}

QAccessibleInterface* CellAccessible::parent() const {
    return &table_;
}

QAccessibleInterface* CellAccessible::table() const {
    return &table_;
}

QString CellAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name)
        return QString();
    return table_.Source().CellAccessibleName(cell_);
}

QRect CellAccessible::rect() const {
    const QRect local = table_.Source().CellRect(cell_);
    return QRect(table_.Widget()->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State CellAccessible::state() const {
    QAccessible::State state;
    state.focusable = true;
    state.focused =
        table_.Widget()->hasFocus() && table_.Source().FocusCell() == std::optional(cell_);
    state.invisible = !table_.Widget()->isVisible();
    return state;
}

// A label read when asked for its current text.
class QuietLabelAccessible : public QAccessibleWidget {
public:
    explicit QuietLabelAccessible(QLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

class OffScreenAccessible : public QAccessibleWidget {
public:
    OffScreenAccessible(QWidget* widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role) {}
    QString text(QAccessible::Text t) const override {
        if (const auto* group = qobject_cast<const QGroupBox*>(widget());
            group != nullptr && t == QAccessible::Name && group->accessibleName().isEmpty())
            return QString(group->title()).remove('&');
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        state.offscreen = true;
        return state;
    }
};

// A radio button in a titled group box. Qt reports the box as the button's label, and Orca then
// says the group's name again at every arrow key; without that relation Orca says it once, as the
// focus enters the group.
class GroupedRadioAccessible : public QAccessibleWidget {
public:
    explicit GroupedRadioAccessible(QRadioButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton) {}

    QString text(QAccessible::Text t) const override {
        const QString caption = Button()->text();
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return WithoutAccessMark(caption);
        if (t == QAccessible::Accelerator)
            return QKeySequence::mnemonic(caption).toString(QKeySequence::NativeText);
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = Button()->isChecked();
        return state;
    }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        QList<QPair<QAccessibleInterface*, QAccessible::Relation>> found =
            QAccessibleWidget::relations(match);
        found.removeIf([](const QPair<QAccessibleInterface*, QAccessible::Relation>& relation) {
            return (relation.second & QAccessible::Label) &&
                   qobject_cast<QGroupBox*>(relation.first->object()) != nullptr;
        });
        return found;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == pressAction())
            Button()->click();
        else
            QAccessibleWidget::doAction(name);
    }

private:
    QRadioButton* Button() const { return static_cast<QRadioButton*>(widget()); }
};

QAccessibleInterface* MakeAccessible(const QString&, QObject* object) {
    if (auto* action = qobject_cast<QAction*>(object))
        return MakeMenuItemAccessible(action);
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr)
        return nullptr;
    if (auto* menu = qobject_cast<QMenu*>(widget))
        return MakeMenuAccessible(menu);
    if (const auto* source = dynamic_cast<const AccessibleBoardSource*>(widget->window());
        source != nullptr && source->BoardWidget() == widget)
        return new BoardAccessible(widget, *source);
    if (qobject_cast<Announcer*>(widget) != nullptr)
        return new QAccessibleWidget(widget, QAccessible::Notification);
    if (auto* radio = qobject_cast<QRadioButton*>(widget);
        radio != nullptr && qobject_cast<QGroupBox*>(radio->parentWidget()) != nullptr)
        return new GroupedRadioAccessible(radio);
    if (auto* label = qobject_cast<QuietLabel*>(widget))
        return new QuietLabelAccessible(label);
    // Plain widgets that Qt would report with a generic role.
    if (qobject_cast<HelpViewer*>(widget) != nullptr)
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (qobject_cast<StatusBar*>(widget) != nullptr)
        return new QAccessibleWidget(widget, QAccessible::StatusBar);
    if (qobject_cast<OffScreenFrame*>(widget) != nullptr)
        return new OffScreenAccessible(widget, QAccessible::Pane);
    if (qobject_cast<OffScreenGroupBox*>(widget) != nullptr)
        return new OffScreenAccessible(widget, QAccessible::Grouping);
    return nullptr;
}

} // namespace

// "&&" is a plain ampersand, a single '&' marks the access key.
QString WithoutAccessMark(const QString& caption) {
    return QString(caption).replace("&&", "\x01").remove('&').replace('\x01', '&');
}

void InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(MakeAccessible);
        return true;
    }();
    (void)installed;
}

// A label with an accessible name of its own sends no name change when its text changes; the
// name read is still the text (above).
QuietLabel::QuietLabel(QWidget* parent) : QLabel(parent) {
    // Installed first: with a reader running, the name set below makes the label's accessible
    // object at once, and one made without the factory would read " " for good.
    InstallAccessibility();
    setAccessibleName(QStringLiteral(" "));
}

} // namespace pentavo
