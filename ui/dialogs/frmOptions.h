#pragma once

#include "core/GameOptions.h"
#include "ui/dialogs/FixedDialog.h"

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace pentavo {

// The Options dialog: who moves first, whether moves may be taken back, whether the computer's
// moves beep. Changes reach the options only through OK. Closing it by any means unloads it.
class frmOptions : public FixedDialog {
    Q_OBJECT

public:
    frmOptions(GameOptions& options, QWidget* owner);

    // Loads the dialog owned by `owner`, shows it modally and returns once it is closed and gone.
    static void ShowModal(GameOptions& options, QWidget* owner);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls();
    // picOptions(1..3) with fraSample2..4: designed off the visible area, never moved into it,
    // and no part of the options.
    void CreateSamplePictures();
    void SetTabOrder();
    void KeepTabOnSelectedOption();
    void Form_Load();
    void cmdOK_Click();
    void cmdCancel_Click();

    GameOptions& options;

    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QGroupBox* Frame1 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
};

} // namespace pentavo
