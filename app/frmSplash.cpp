#include "app/frmSplash.h"

#include "forms/ApplyResourceCaptions.h"
#include "forms/FitCaptions.h"
#include "forms/LoadedForms.h"
#include "forms/MirrorLayout.h"
#include "forms/PictureBox.h"
#include "forms/Twips.h"
#include "resources/pictures/Pictures.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace pentavo {

namespace {

// Times New Roman, as designed; the serif fallback where it is missing.
QFont DesignFont(double points, bool bold) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

struct LabelDesign {
    const char* name;
    const char* tag;
    QRect geometry;
    const char* text;
    QFont font;
    Qt::Alignment alignment;
};

QLabel* AddLabel(QWidget& frame, const LabelDesign& design) {
    auto* label = new QLabel(QString::fromUtf8(design.text), &frame);
    label->setObjectName(QString::fromLatin1(design.name));
    label->setProperty("Tag", QString::fromLatin1(design.tag));
    label->setGeometry(design.geometry);
    label->setFont(design.font);
    label->setAlignment(design.alignment | Qt::AlignTop);
    return label;
}

// A label that sizes itself to its text keeps its left edge, or its right edge when right-aligned.
void FitToText(QLabel& label) {
    const QRect designed = label.geometry();
    label.adjustSize();
    if (label.alignment().testFlag(Qt::AlignRight)) {
        label.move(designed.right() - label.width() + 1, designed.top());
    }
}

} // namespace

frmSplash::frmSplash(VersionNumbers version)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), Version(version) {
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(TwipsRect(0, 0, 7455, 4710).size());
    if (const QScreen* display = screen()) {
        move(display->availableGeometry().center() - rect().center());
    }

    auto* fraMainFrame = new QGroupBox(this);
    fraMainFrame->setObjectName(QStringLiteral("fraMainFrame"));
    fraMainFrame->setGeometry(TwipsRect(45, -15, 7380, 4590));

    auto* picLogo = new PictureBox(PicturePath(QStringLiteral("splash.png")), fraMainFrame);
    picLogo->setObjectName(QStringLiteral("picLogo"));
    picLogo->setGeometry(TwipsRect(150, 855, 2295, 2265));

    // Designed texts and fonts; loading replaces both.
    lblProductName =
        AddLabel(*fraMainFrame, {"lblProductName", "1028", TwipsRect(3360, 1200, 2715, 540),
                                 AppTitle, DesignFont(24, true), Qt::AlignLeft});
    lblPlatform = AddLabel(*fraMainFrame,
                           {"lblPlatform", "1026", TwipsRect(3270, 2400, 3735, 330),
                            "Windows 95/98/ME/NT4/2000", DesignFont(14.25, true), Qt::AlignRight});
    lblVersion =
        AddLabel(*fraMainFrame, {"lblVersion", "1025", TwipsRect(4680, 2760, 1890, 285),
                                 "Version 0.2 (demo)", DesignFont(12, true), Qt::AlignRight});
    lblCopyright =
        AddLabel(*fraMainFrame, {"lblCopyright", "1022", TwipsRect(4710, 3120, 2415, 255),
                                 "Copyright", DesignFont(8.25, false), Qt::AlignLeft});
    lblCompany = AddLabel(*fraMainFrame, {"lblCompany", "1023", TwipsRect(4710, 3330, 2415, 255),
                                          "Company", DesignFont(8.25, false), Qt::AlignLeft});

    RegisterLoadedForm(this);
    Form_Load();
}

void frmSplash::Form_Load() {
    ApplyResourceCaptions(*this);
    lblVersion->setText(
        tr("Version %1.%2.%3").arg(Version.Major).arg(Version.Minor).arg(Version.Revision));
    lblProductName->setText(QString::fromLatin1(AppTitle));
    for (QLabel* label : {lblProductName, lblPlatform, lblVersion, lblCopyright, lblCompany}) {
        FitToText(*label);
    }
    HeightenToGlyphs(*this);
    MirrorLayout(*this);
}

void frmSplash::ShowPainted(int limitMs) {
    show();
    QElapsedTimer waited;
    waited.start();
    while (!(windowHandle() != nullptr && windowHandle()->isExposed()) &&
           waited.elapsed() < limitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    repaint();
    QCoreApplication::processEvents();
}

// Only the program unloads the splash; a close request from the windowing system is refused.
void frmSplash::closeEvent(QCloseEvent* event) {
    if (event->spontaneous()) {
        event->ignore();
    } else {
        event->accept();
    }
}

// Without a title bar the window still has its fixed border, a thin line against the desktop.
void frmSplash::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace pentavo
