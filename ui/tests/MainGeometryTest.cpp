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
const QSize Minimum(430, 500);

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

    // Run on a 1600 x 1000 screen (see CMakeLists.txt). Stored twips, then the window in pixels.
    void aStoredGeometryIsFittedToTheScreen_data() {
        QTest::addColumn<QStringList>("twips");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("nine million twips square")
            << QStringList{"1000", "1000", "9000000", "9000000"} << QRect(0, 0, 1600, 1000);
        QTest::newRow("twice the screen")
            << QStringList{"1000", "1000", "48000", "30000"} << QRect(0, 0, 1600, 1000);
        QTest::newRow("one pixel")
            << QStringList{"1000", "1000", "15", "15"} << QRect(DefaultPosition, Minimum);
        QTest::newRow("wider than the screen, taller than the minimum")
            << QStringList{"3000", "1500", "30000", "9000"} << QRect(0, 100, 1600, 600);
        QTest::newRow("past the bottom right corner")
            << QStringList{"22500", "13500", "7200", "7950"} << QRect(1120, 470, 480, 530);
        QTest::newRow("title bar above the screen")
            << QStringList{"1500", "-1500", "7200", "7950"} << QRect(DefaultPosition, DefaultSize);
        QTest::newRow("title bar left of the screen")
            << QStringList{"-7500", "1500", "7200", "7950"} << QRect(DefaultPosition, DefaultSize);
        QTest::newRow("title bar partly on the screen")
            << QStringList{"-6000", "-300", "7200", "7950"} << QRect(-400, -20, 480, 530);
    }
    void aStoredGeometryIsFittedToTheScreen() {
        QFETCH(QStringList, twips);
        QFETCH(QRect, expected);
        const char* keys[] = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};
        for (int i = 0; i < 4; ++i)
            Store(keys[i], twips[i]);
        QCOMPARE(ReadMainGeometry(DefaultSize, Minimum), expected);
    }

    void aWindowIsFittedToTheScreenItsTitleBarIsOn_data() {
        QTest::addColumn<QRect>("outer");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("right screen, too tall")
            << QRect(1700, 100, 500, 2000) << QRect(1700, 0, 500, 800);
        QTest::newRow("mostly right, title bar mostly left")
            << QRect(1000, 400, 1000, 500) << QRect(600, 400, 1000, 500);
        QTest::newRow("between the screens below the right one")
            << QRect(1700, 900, 500, 500) << QRect(67, 67, 500, 500);
        QTest::newRow("a screen smaller than the minimum")
            << QRect(2650, 50, 200, 100) << QRect(2600, 0, 300, 200);
    }
    void aWindowIsFittedToTheScreenItsTitleBarIsOn() {
        QFETCH(QRect, outer);
        QFETCH(QRect, expected);
        const QList<QRect> areas{QRect(0, 0, 1600, 1000), QRect(1600, 0, 1000, 800),
                                 QRect(2600, 0, 300, 200)};
        QCOMPARE(FitToScreens(outer, areas, Minimum, DefaultMainPosition()), expected);
    }

    // A session on X11 stored 1230, 2340 twips (82, 156 pixels); a Wayland compositor places
    // windows itself, so there the position is neither read nor written, and X11's survives.
    void thePositionIsReadAndWrittenOnlyWhereTheProgramPlacesItsWindows_data() {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<bool>("positionStored");
        QTest::addColumn<QRect>("read");
        QTest::addColumn<QStringList>("storedAfter");
        const QRect x11Place(82, 156, 480, 530);
        const QRect defaultPlace(DefaultPosition, QSize(480, 530));
        const QStringList written{"150", "300", "4500", "6000"};
        QTest::newRow("X11") << "xcb" << true << x11Place << written;
        QTest::newRow("offscreen") << "offscreen" << true << x11Place << written;
        QTest::newRow("Wayland") << "wayland" << true << defaultPlace
                                 << QStringList{"1230", "2340", "4500", "6000"};
        QTest::newRow("Wayland through EGL")
            << "wayland-egl" << true << defaultPlace << QStringList{"1230", "2340", "4500", "6000"};
        QTest::newRow("Wayland, no position stored")
            << "wayland" << false << defaultPlace << QStringList{"", "", "4500", "6000"};
        QTest::newRow("X11, no position stored") << "xcb" << false << defaultPlace << written;
    }
    void thePositionIsReadAndWrittenOnlyWhereTheProgramPlacesItsWindows() {
        QFETCH(QString, platform);
        QFETCH(bool, positionStored);
        QFETCH(QRect, read);
        QFETCH(QStringList, storedAfter);
        if (positionStored) {
            Store("MainLeft", "1230");
            Store("MainTop", "2340");
        }
        const WindowPlacing placing = PlacingOf(platform);
        QCOMPARE(ReadMainGeometry(DefaultSize, QSize(), placing), read);
        WriteMainGeometry(QRect(10, 20, 300, 400), placing);
        const char* keys[] = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(Store().value(QString("Settings/") + keys[i]).toString(), storedAfter[i]);
    }

    void negativeEdgesOfAMaximisedWindowAreKept() {
        WriteMainGeometry(QRect(-8, -8, 816, 816));
        QCOMPARE(ReadMainGeometry(DefaultSize), QRect(-8, -8, 816, 816));
    }
};

QTEST_MAIN(MainGeometryTest)
#include "MainGeometryTest.moc"
