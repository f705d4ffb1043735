#include "ui/MessageBox.h"

#include "core/Version.h"
#include "forms/Translated.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace pentavo {

namespace {

// Room in a title bar for the caption beside the window manager's icon and its three buttons.
constexpr int TitleBarExtra = 160;

// A short text makes a box narrower than its own caption, which the title bar then cuts off. The
// box sizes itself to its layout, so the layout is given the width.
void MakeRoomForCaption(QMessageBox& box) {
    auto* layout = qobject_cast<QGridLayout*>(box.layout());
    if (layout == nullptr)
        return;
    const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) + TitleBarExtra;
    layout->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                    layout->rowCount(), 0, 1, layout->columnCount());
}

// Without a window manager the keyboard's focus falls to the screen's root as a box goes, and the
// owner's shortcuts stay dead until it is clicked.
void ActivateOwner(QWidget* owner) {
    if (owner != nullptr && owner->window()->isVisible())
        owner->window()->activateWindow();
}

} // namespace

void ShowMessageBox(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, AppTitle, text, QMessageBox::Ok, owner);
    MakeRoomForCaption(box);
    box.exec();
    ActivateOwner(owner);
}

bool AskYesNo(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, AppTitle, text, QMessageBox::Yes | QMessageBox::No, owner);
    box.setDefaultButton(QMessageBox::No);
    MakeRoomForCaption(box);
    const bool yes = box.exec() == QMessageBox::Yes;
    ActivateOwner(owner);
    return yes;
}

void ShowFailure(QWidget* owner, const Outcome& outcome) {
    if (!outcome)
        ShowMessageBox(owner, Translated(outcome.Text()));
}

} // namespace pentavo
