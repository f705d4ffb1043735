#include "ui/dialogs/frmAbout.h"

#include "core/Version.h"
#include "forms/ApplyResourceCaptions.h"
#include "forms/FitCaptions.h"
#include "forms/MirrorLayout.h"
#include "forms/PictureBox.h"
#include "forms/Twips.h"
#include "resources/pictures/Pictures.h"
#include "ui/LineShape.h"

#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

namespace pentavo {

namespace {

QLabel* Label(const char* name, const char* tag, const QString& text, QRect geometry,
              QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    if (tag != nullptr) {
        label->setProperty("Tag", QString(tag));
    }
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setGeometry(geometry);
    return label;
}

} // namespace

frmAbout::frmAbout(QWidget* owner) : FixedDialog(owner, "frmAbout", "1038", 5985, 2430) {
    CreateControls();
    Form_Load();
}

void frmAbout::ShowModal(QWidget* owner) {
    // exec() deletes a dialog that deletes itself on close before it returns.
    (new frmAbout(owner))->exec();
}

void frmAbout::CreateControls() {
    auto* picIcon = new PictureBox(PicturePath("about.png"), this);
    picIcon->setObjectName("picIcon");
    picIcon->setAccessibleName(AppTitle);
    picIcon->setGeometry(TwipsRect(240, 240, 975, 975));

    lblTitle = Label("lblTitle", "1043", QString(), TwipsRect(1440, 240, 4095, 240), this);
    lblVersion = Label("lblVersion", "1042", QString(), TwipsRect(1440, 480, 4095, 225), this);
    const QDate released = QDate::fromString(ReleaseDate, Qt::ISODate);
    //: How the release date is written, in QDate::toString's letters.
    const QString dateFormat = tr("d MMMM yyyy");
    Label("Label2", nullptr,
          //: About box: %1 is the release date, %2 the address for questions and ideas.
          tr("Released %1\nQuestions and ideas: %2")
              .arg(QLocale::system().toString(released, dateFormat), ContactAddress),
          TwipsRect(1440, 720, 4215, 495), this);
    Label("Label1", nullptr,
          //: About box: %1 is the copyright line, which stays in English ("Copyright 2026 The
          //: Pentavo developers"), then the program's licence in brief. A right-to-left language
          //: may put %1 last, so that the line reads from the right.
          tr("%1. Free software, GNU GPL 3 or later, no warranty.").arg(CopyrightLine),
          TwipsRect(1440, 1200, 4455, 615), this);

    // Grey over white: a sunken separator above the button.
    (new LineShape(225, 1950, 5657, 1950, this, QColor(0x80, 0x80, 0x80)))
        ->setObjectName("Line1_1");
    (new LineShape(240, 1965, 5657, 1965, this, QColor(0xff, 0xff, 0xff), 2))
        ->setObjectName("Line1_0");

    cmdOK = new QPushButton(this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setProperty("Tag", QString("1040"));
    cmdOK->setGeometry(TwipsRect(2280, 2040, 1467, 345));
    // The default button for Enter; Esc closes the box as QDialog's cancel, the same as OK.
    cmdOK->setDefault(true);
    cmdOK->setFocus();
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
}

void frmAbout::Form_Load() {
    ApplyResourceCaptions(*this);
    //: About box: the version line as designed, not the program's version.
    lblVersion->setText(tr("Version 0.1 (demo)"));
    lblTitle->setText(AppTitle);
    FitCaptions(*this);
    MirrorLayout(*this);
}

void frmAbout::cmdOK_Click() {
    accept();
}

} // namespace pentavo
