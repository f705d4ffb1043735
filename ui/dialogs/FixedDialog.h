#pragma once

#include <QDialog>

namespace pentavo {

// What the program's dialogs share: a fixed border without minimise and maximise buttons, a
// client area designed in twips, the caption identifier as the window's tag, placement at the
// centre of the owner, and a lifetime from loading until it is closed by any means.
class FixedDialog : public QDialog {
public:
    // Registers the dialog as loaded; the subclass runs its Form_Load right after.
    FixedDialog(QWidget* owner, const char* name, const char* captionTag, double twipsWide,
                double twipsHigh);

    void setVisible(bool visible) override;

private:
    void CentreOnOwner();
};

} // namespace pentavo
