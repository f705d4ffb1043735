#include "ui/dialogs/frmOptions.h"

#include "forms/ApplyResourceCaptions.h"
#include "forms/FitCaptions.h"
#include "forms/MirrorLayout.h"
#include "forms/Twips.h"
#include "ui/Accessibility.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

namespace pentavo {

namespace {

// Captions of the tagged controls come from the string table when the dialog loads.
QPushButton* CommandButton(const char* name, const char* tag, QRect geometry, QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setProperty("Tag", QString(tag));
    button->setAutoDefault(false);
    button->setGeometry(geometry);
    return button;
}

template <typename Control>
Control* Captioned(const char* name, const QString& caption, QRect geometry, QWidget* parent) {
    auto* control = new Control(caption, parent);
    control->setObjectName(name);
    control->setGeometry(geometry);
    return control;
}

} // namespace

frmOptions::frmOptions(GameOptions& options_, QWidget* owner)
    : FixedDialog(owner, "frmOptions", "1030", 3390, 3330), options(options_) {
    CreateControls();
    CreateSamplePictures();
    SetTabOrder();
    cmdOK->setFocus();
    Form_Load();
}

void frmOptions::ShowModal(GameOptions& options, QWidget* owner) {
    // exec() deletes a dialog that deletes itself on close before it returns.
    (new frmOptions(options, owner))->exec();
}

void frmOptions::CreateControls() {
    cmdOK = CommandButton("cmdOK", "1037", TwipsRect(240, 2640, 1095, 375), this);
    cmdCancel = CommandButton("cmdCancel", "1036", TwipsRect(2040, 2640, 1095, 375), this);
    //: Options dialog: the frame around "Computer first" and "Computer second". It chooses who
    //: moves first, not an opponent; say it by meaning ("Who moves first?").
    Frame1 = Captioned<QGroupBox>("Frame1", tr("Partner selection"),
                                  TwipsRect(240, 240, 2895, 1095), this);
    //: Option: the computer opens each new game with a cross in the centre. The computer scores the
    //: board for crosses at once.
    Option1 = Captioned<QRadioButton>("Option1", tr("Computer first"),
                                      TwipsRect(120, 360, 1935, 195), Frame1);
    //: Option: you open each new game; the computer moves second, with circles, and scores the
    //: board for circles at once.
    Option2 = Captioned<QRadioButton>("Option2", tr("Computer second"),
                                      TwipsRect(120, 720, 2295, 255), Frame1);
    //: Check box: whether Edit > Undo may take back moves. A permission ("Allow taking back
    //: moves"), with the same word as the Undo command.
    Check1 =
        Captioned<QCheckBox>("Check1", tr("Undo moves"), TwipsRect(360, 1560, 2175, 255), this);
    //: Check box: whether each move of the computer beeps.
    Check2 = Captioned<QCheckBox>("Check2", tr("Sound"), TwipsRect(360, 1920, 2055, 375), this);
    Option1->setChecked(true);
    Check1->setChecked(true);

    connect(Option1, &QRadioButton::toggled, this, &frmOptions::KeepTabOnSelectedOption);
    connect(cmdOK, &QPushButton::clicked, this, &frmOptions::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOptions::cmdCancel_Click);
}

void frmOptions::CreateSamplePictures() {
    const char* const sampleTags[] = {"1032", "1033", "1034"};
    for (int i = 0; i < 3; ++i) {
        auto* picture = new OffScreenFrame(this);
        picture->setObjectName(QString("picOptions%1").arg(i + 1));
        picture->setGeometry(TwipsRect(-20000, 480, 5685, 3780));
        auto* sample = new OffScreenGroupBox(picture);
        sample->setObjectName(QString("fraSample%1").arg(i + 2));
        sample->setProperty("Tag", QString(sampleTags[i]));
        sample->setGeometry(TwipsRect(120, 120, 5445, 3540));
    }
}

void frmOptions::SetTabOrder() {
    setTabOrder(cmdOK, cmdCancel);
    setTabOrder(cmdCancel, Option1);
    setTabOrder(Option1, Option2);
    setTabOrder(Option2, Check1);
    setTabOrder(Check1, Check2);
}

// Tab enters the option group at its selected button, as it does in the platform's own dialogs;
// the arrow keys move within the group.
void frmOptions::KeepTabOnSelectedOption() {
    for (QRadioButton* option : {Option1, Option2}) {
        option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void frmOptions::Form_Load() {
    ApplyResourceCaptions(*this);
    FitCaptions(*this);
    MirrorLayout(*this);
    Check1->setChecked(options.UndoMoves);
    Check2->setChecked(options.SoundOn);
    (options.ComputerFirst ? Option1 : Option2)->setChecked(true);
    KeepTabOnSelectedOption();
}

void frmOptions::cmdOK_Click() {
    options.ComputerFirst = Option1->isChecked();
    options.UndoMoves = Check1->isChecked();
    options.SoundOn = Check2->isChecked();
    accept();
}

void frmOptions::cmdCancel_Click() {
    reject();
}

// Neither button is the default: Enter presses the command button that has the focus and does
// nothing anywhere else.
void frmOptions::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
            button->click();
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace pentavo
