#include "app/frmSplash.h"

#include "app/Main.h"
#include "app/Module1.h"
#include "core/Version.h"
#include "forms/LoadedForms.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QScopeGuard>
#include <QScreen>
#include <QWindow>
#include <QtTest>

#include <algorithm>

using pentavo::frmSplash;

namespace {

QList<QLabel*> LabelsTopToBottom(const frmSplash& splash) {
    QList<QLabel*> labels = splash.findChildren<QLabel*>();
    std::sort(labels.begin(), labels.end(),
              [](const QLabel* a, const QLabel* b) { return a->y() < b->y(); });
    return labels;
}

QStringList Texts(const QList<QLabel*>& labels) {
    QStringList texts;
    for (const QLabel* label : labels) {
        texts << label->text();
    }
    return texts;
}

} // namespace

class frmSplashTest : public QObject {
    Q_OBJECT

private slots:
    void showsItsTextsInTheWindowFont();
    void labelsFitTheirTexts();
    void versionComesFromTheNumbersGiven();
    void hasNoTitleBarAndSitsInTheMiddle();
    void showsThePicture();
    void onlyTheProgramUnloadsIt();
    void afterStartUpOnlyTheMainWindowIsLoadedAndShown();
};

void frmSplashTest::showsItsTextsInTheWindowFont() {
    const frmSplash splash;
    const QList<QLabel*> labels = LabelsTopToBottom(splash);
    QCOMPARE(Texts(labels), (QStringList{"Pentavo", "Platform",
                                         QStringLiteral("Version %1").arg(pentavo::VersionText),
                                         "Copyright", "Company"}));
    for (const QWidget* control : splash.findChildren<QWidget*>()) {
        QVERIFY2(control->font() == splash.font(), qPrintable(control->objectName()));
    }
    QVERIFY(splash.windowTitle().isEmpty());
}

void frmSplashTest::labelsFitTheirTexts() {
    frmSplash splash;
    auto* frame = splash.findChild<QGroupBox*>(QStringLiteral("fraMainFrame"));
    QVERIFY(frame != nullptr);
    for (const QLabel* label : LabelsTopToBottom(splash)) {
        QCOMPARE(label->parentWidget(), frame);
        QCOMPARE(label->size(), label->sizeHint());
        QVERIFY(frame->rect().contains(label->geometry()));
    }
    // Right-aligned labels keep their right edges, the others their left edges.
    QCOMPARE(splash.findChild<QLabel*>(QStringLiteral("lblPlatform"))->geometry().right(), 466);
    QCOMPARE(splash.findChild<QLabel*>(QStringLiteral("lblVersion"))->geometry().right(), 437);
    QCOMPARE(splash.findChild<QLabel*>(QStringLiteral("lblProductName"))->x(), 224);
    QCOMPARE(splash.findChild<QLabel*>(QStringLiteral("lblCompany"))->x(), 314);
}

void frmSplashTest::versionComesFromTheNumbersGiven() {
    const frmSplash splash({2, 10, 7});
    QCOMPARE(splash.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
             QStringLiteral("Version 2.10.7"));
}

void frmSplashTest::hasNoTitleBarAndSitsInTheMiddle() {
    frmSplash splash;
    QCOMPARE(splash.windowType(), Qt::SplashScreen);
    QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(splash.size(), QSize(497, 314));
    QCOMPARE(splash.minimumSize(), splash.maximumSize());
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    QCOMPARE(splash.frameGeometry().center(), splash.screen()->availableGeometry().center());
}

void frmSplashTest::showsThePicture() {
    frmSplash splash;
    auto* logo = splash.findChild<QWidget*>(QStringLiteral("picLogo"));
    QVERIFY(logo != nullptr);
    const QImage shot = logo->grab().toImage();
    const QPoint middle = logo->rect().center();
    int colours = 0;
    QRgb last = 0;
    for (int x = 0; x < shot.width() && colours < 3; ++x) {
        const QRgb pixel = shot.pixel(x, middle.y());
        if (x == 0 || pixel != last) {
            ++colours;
        }
        last = pixel;
    }
    QVERIFY2(colours >= 3, "the picture box is blank");
}

void frmSplashTest::onlyTheProgramUnloadsIt() {
    auto* splash = new frmSplash;
    // Unloading deletes it; a check that fails first must not leave it behind.
    const QPointer<QWidget> watch(splash);
    const auto deleteLeftover = qScopeGuard([&watch] { delete watch.data(); });
    QVERIFY(pentavo::LoadedForms().contains(splash));
    splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(splash));

    QTest::keyClick(splash, Qt::Key_Escape);
    QVERIFY(splash->isVisible());
    QCloseEvent request; // as the windowing system delivers the person's close request
    QCoreApplication::sendEvent(splash->windowHandle(), &request);
    QVERIFY(!request.isAccepted());
    QVERIFY(splash->isVisible());

    pentavo::UnloadForm(splash);
    QVERIFY(!pentavo::LoadedForms().contains(splash));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!watch);
}

void frmSplashTest::afterStartUpOnlyTheMainWindowIsLoadedAndShown() {
    pentavo::Main();
    const auto deleteMain = qScopeGuard([] {
        delete pentavo::MainForm;
        pentavo::MainForm = nullptr;
    });
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(pentavo::LoadedForms(), QList<QWidget*>{pentavo::MainForm});
    for (const QWidget* shown : QApplication::topLevelWidgets())
        QVERIFY2(!shown->isVisible() || shown == pentavo::MainForm,
                 qPrintable(shown->metaObject()->className()));
    QVERIFY(pentavo::MainForm->isVisible());
}

QTEST_MAIN(frmSplashTest)
#include "frmSplashTest.moc"
