#include "ui/dialogs/FixedDialog.h"

#include "forms/LoadedForms.h"
#include "forms/Twips.h"

#include <QScreen>

#include <algorithm>

namespace pentavo {

FixedDialog::FixedDialog(QWidget* owner, const char* name, const char* captionTag, double twipsWide,
                         double twipsHigh)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(name);
    setProperty("Tag", QString(captionTag));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(TwipsRect(0, 0, twipsWide, twipsHigh).size());
    RegisterLoadedForm(this);
}

void FixedDialog::setVisible(bool visible) {
    if (visible && !isVisible() && !testAttribute(Qt::WA_Moved)) {
        CentreOnOwner();
    }
    QDialog::setVisible(visible);
}

// Qt's own placement guesses the window frame when it cannot see one, which puts the dialog off
// centre where there is none; the owner's frame is the better guess for a dialog's.
void FixedDialog::CentreOnOwner() {
    const QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    if (owner == nullptr || !owner->isVisible()) {
        return;
    }
    const QRect ownerFrame = owner->frameGeometry();
    const QRect ownerClient = owner->geometry();
    const QSize frameExtra = ownerFrame.size() - ownerClient.size();
    QRect frame(QPoint(), size() + frameExtra);
    frame.moveCenter(ownerFrame.center());
    if (const QScreen* screen = owner->screen()) {
        const QRect available = screen->availableGeometry();
        const int lastLeft = available.x() + available.width() - frame.width();
        const int lastTop = available.y() + available.height() - frame.height();
        frame.moveTo(std::max(available.x(), std::min(frame.x(), lastLeft)),
                     std::max(available.y(), std::min(frame.y(), lastTop)));
    }
    move(frame.topLeft());
}

} // namespace pentavo
