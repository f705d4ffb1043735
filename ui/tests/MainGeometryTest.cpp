#include "ui/MainGeometry.h"

#include <QSettings>
#include <QTest>

using namespace pentavo;

namespace {

QSettings Store() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Pentavo", "Pentavo");
}

void Store(const char* key, const QString& text) {
    Store().setValue(QString("Settings/") + key, text);
}

const QSize DefaultSize(480, 530);
// 1000 twips, rounded to whole pixels.
const QPoint DefaultPosition(67, 67);

} // namespace

class MainGeometryTest : public QObject {
    Q_OBJECT

private slots:
    void init() { Store().remove("Settings"); }

    void anEmptyStoreGivesTheDefaults() {
        QCOMPARE(ReadMainGeometry(DefaultSize), QRect(DefaultPosition, DefaultSize));
    }

    void writtenGeometryReadsBackAsTwipsText() {
        WriteMainGeometry(QRect(10, -20, 300, 400));
        QCOMPARE(Store().value("Settings/MainLeft").toString(), QString("150"));
        QCOMPARE(Store().value("Settings/MainTop").toString(), QString("-300"));
        QCOMPARE(Store().value("Settings/MainWidth").toString(), QString("4500"));
        QCOMPARE(Store().value("Settings/MainHeight").toString(), QString("6000"));
        QCOMPARE(ReadMainGeometry(DefaultSize), QRect(10, -20, 300, 400));
    }

    void aValueThatIsNoUsableNumberTakesItsKeysDefault_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("expected");
        const QRect stored(20, 30, 300, 400);
        QTest::newRow("letters in left") << "MainLeft"
                                         << "abc" << QRect(67, 30, 300, 400);
        QTest::newRow("empty top") << "MainTop"
                                   << "" << QRect(20, 67, 300, 400);
        QTest::newRow("decimal comma") << "MainWidth"
                                       << "4500,5" << QRect(20, 30, 480, 400);
        QTest::newRow("zero height") << "MainHeight"
                                     << "0" << QRect(20, 30, 300, 530);
        QTest::newRow("negative width") << "MainWidth"
                                        << "-4500" << QRect(20, 30, 480, 400);
        QTest::newRow("overflowing left") << "MainLeft"
                                          << "1e30" << QRect(67, 30, 300, 400);
        QTest::newRow("not a number") << "MainTop"
                                      << "nan" << QRect(20, 67, 300, 400);
        QTest::newRow("blanks and a fraction") << "MainLeft"
                                               << " 307.4 " << stored;
        QTest::newRow("exponent") << "MainHeight"
                                  << "6e3" << stored;
    }
    void aValueThatIsNoUsableNumberTakesItsKeysDefault() {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(QRect, expected);
        WriteMainGeometry(QRect(20, 30, 300, 400));
        Store(key.toLatin1().constData(), text);
        QCOMPARE(ReadMainGeometry(DefaultSize), expected);
    }

    void aGeometryOffEveryScreenTakesTheDefaultPosition() {
        WriteMainGeometry(QRect(5000, 40, 300, 400));
        QCOMPARE(ReadMainGeometry(DefaultSize), QRect(DefaultPosition, QSize(300, 400)));
        WriteMainGeometry(QRect(-400, -500, 300, 400));
        QCOMPARE(ReadMainGeometry(DefaultSize), QRect(DefaultPosition, QSize(300, 400)));
    }

    void negativeEdgesOfAMaximisedWindowAreKept() {
        WriteMainGeometry(QRect(-8, -8, 816, 816));
        QCOMPARE(ReadMainGeometry(DefaultSize), QRect(-8, -8, 816, 816));
    }
};

QTEST_MAIN(MainGeometryTest)
#include "MainGeometryTest.moc"
