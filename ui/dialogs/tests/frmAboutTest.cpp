#include "ui/dialogs/frmAbout.h"
#include "forms/LoadedForms.h"
#include "qttestkit/Windows.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using pentavo::frmAbout;
using namespace pentavo::test;

class frmAboutTest : public QObject {
    Q_OBJECT

    QWidget* owner = nullptr;

    // The About box shown and active, or null when it did not become active.
    QPointer<QWidget> Open() { return OpenActive(new frmAbout(owner)); }

private slots:
    void init() {
        owner = new QWidget;
        owner->setGeometry(100, 60, 560, 600);
        owner->show();
        QVERIFY(QTest::qWaitForWindowExposed(owner));
    }

    void cleanup() {
        delete owner;
        QVERIFY(pentavo::LoadedForms().isEmpty());
    }

    void texts_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::newRow("window") << ""
                                << "About Pentavo";
        QTest::newRow("lblTitle") << "lblTitle"
                                  << "Pentavo";
        QTest::newRow("lblVersion") << "lblVersion"
                                    << "Version 0.1 (demo)";
        QTest::newRow("cmdOK") << "cmdOK"
                               << "OK";
    }

    void texts() {
        QFETCH(QString, control);
        QFETCH(QString, text);
        frmAbout box(owner);
        QString shown;
        if (control.isEmpty()) {
            shown = box.windowTitle();
        } else if (auto* label = box.findChild<QLabel*>(control)) {
            shown = label->text();
        } else if (auto* button = box.findChild<QPushButton*>(control)) {
            shown = button->text();
        }
        QCOMPARE(shown, text);
    }

    void okIsDefaultAndCancelAndTheBoxIsFixed() {
        const QPointer<QWidget> box = Open();
        QVERIFY2(box, "the About box did not become active");
        QCOMPARE(box->size(), QSize(399, 162));
        QCOMPARE(box->minimumSize(), box->maximumSize());
        QVERIFY(!(box->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(box->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(box->findChild<QPushButton*>("cmdOK")->isDefault());
        box->close();
        QVERIFY(WaitUntilDeleted(box));
    }

    void showsTheProgramImage() {
        const QPointer<QWidget> box = Open();
        QVERIFY2(box, "the About box did not become active");
        const QImage picture = box->findChild<QWidget*>("picIcon")->grab().toImage();
        // Much of the picture is the board's yellow, so it was found and drawn.
        int yellow = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QColor pixel = picture.pixelColor(x, y);
                yellow += pixel.red() > 200 && pixel.green() > 160 && pixel.blue() < 120 ? 1 : 0;
            }
        }
        QVERIFY2(yellow > picture.width() * picture.height() / 3,
                 qPrintable(QString::number(yellow)));
        box->close();
        QVERIFY(WaitUntilDeleted(box));
    }

    void eachWayOfClosingUnloads_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Enter") << "enter";
        QTest::newRow("Esc") << "esc";
        QTest::newRow("click on OK") << "click";
        QTest::newRow("close box") << "close";
    }

    void eachWayOfClosingUnloads() {
        QFETCH(QString, how);
        const QPointer<QWidget> box = Open();
        QVERIFY2(box, "the About box did not become active");
        QCOMPARE(pentavo::LoadedForms(), QList<QWidget*>{box.data()});
        if (how == "enter") {
            Type(Qt::Key_Return);
        } else if (how == "esc") {
            Type(Qt::Key_Escape);
        } else if (how == "click") {
            QTest::mouseClick(box->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        } else {
            box->close();
        }
        QVERIFY(WaitUntilDeleted(box));
        QVERIFY(pentavo::LoadedForms().isEmpty());
    }

    void showModalWaitsCentredOnItsOwnerAndUnloads() {
        QString modalName;
        QPoint offCentre;
        ModalDriver actor(
            [&](QDialog& modal) {
                modalName = modal.objectName();
                offCentre = modal.frameGeometry().center() - owner->frameGeometry().center();
                Type(Qt::Key_Return);
            },
            1);
        frmAbout::ShowModal(owner);
        QVERIFY(actor.Acted());
        QCOMPARE(modalName, "frmAbout");
        QVERIFY2(offCentre.manhattanLength() <= 2,
                 qPrintable(QString("%1,%2").arg(offCentre.x()).arg(offCentre.y())));
        QVERIFY(owner->findChildren<frmAbout*>().isEmpty());
        QVERIFY(pentavo::LoadedForms().isEmpty());
    }

    void screenshot() {
        const QPointer<QWidget> box = Open();
        QVERIFY2(box, "the About box did not become active");
        const QPixmap shot = box->grab();
        QCOMPARE(shot.deviceIndependentSize().toSize(), QSize(399, 162));
        QVERIFY(shot.save(SCREENSHOT_DIR "/frmAbout.png"));
        box->close();
        QVERIFY(WaitUntilDeleted(box));
    }
};

QTEST_MAIN(frmAboutTest)
#include "frmAboutTest.moc"
