#include "forms/FitCaptions.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

const QString Long = QStringLiteral("A caption far too long for the control it was drawn for");

} // namespace

class FitCaptionsTest : public QObject {
    Q_OBJECT

private slots:
    // A picture beside a label, then two buttons side by side: widening must keep each control
    // clear of its neighbours and inside the window.
    void widensEveryPlaceInProportion_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("right");
        QTest::addColumn<bool>("widened");
        QTest::newRow("everything fits") << "Text"
                                         << "Cancel"
                                         << "OK" << false;
        QTest::newRow("a long label") << Long << "Cancel"
                                      << "OK" << true;
        QTest::newRow("a long left button") << "Text" << Long << "OK" << true;
        QTest::newRow("a long right button") << "Text"
                                             << "Cancel" << Long << true;
    }
    void widensEveryPlaceInProportion() {
        QFETCH(QString, label);
        QFETCH(QString, left);
        QFETCH(QString, right);
        QFETCH(bool, widened);
        QWidget window;
        window.setFixedSize(300, 100);
        const QList<QWidget*> controls{new QWidget(&window), new QLabel(label, &window),
                                       new QPushButton(left, &window),
                                       new QPushButton(right, &window)};
        const QList<QRect> designed{
            {10, 10, 50, 30}, {70, 10, 220, 30}, {10, 60, 130, 30}, {160, 60, 130, 30}};
        for (qsizetype i = 0; i < controls.size(); ++i)
            controls[i]->setGeometry(designed[i]);

        pentavo::FitCaptions(window);

        QCOMPARE(window.width() > 300, widened);
        QCOMPARE(window.minimumSize(), window.maximumSize());
        for (qsizetype i = 0; i < controls.size(); ++i) {
            const QRect now = controls[i]->geometry();
            if (!widened)
                QCOMPARE(now, designed[i]);
            QVERIFY2(window.rect().contains(now), qPrintable(QString::number(i)));
            for (qsizetype j = i + 1; j < controls.size(); ++j)
                QVERIFY2(!now.intersects(controls[j]->geometry()),
                         qPrintable(QStringLiteral("%1 and %2 overlap").arg(i).arg(j)));
        }
    }
};

QTEST_MAIN(FitCaptionsTest)
#include "FitCaptionsTest.moc"
