#pragma once

#include "ui/dialogs/FixedDialog.h"

class QLabel;
class QPushButton;

namespace pentavo {

// The About box: the program's image, title, version line, release, copyright and licence notes,
// and one OK button that is both the default and the cancel button. Closing it by any means
// unloads it.
class frmAbout : public FixedDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* owner);

    // Loads the box owned by `owner`, shows it modally and returns once it is closed and gone.
    static void ShowModal(QWidget* owner);

private:
    void CreateControls();
    void Form_Load();
    void cmdOK_Click();

    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QPushButton* cmdOK = nullptr;
};

} // namespace pentavo
