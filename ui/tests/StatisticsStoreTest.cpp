#include "ui/StatisticsStore.h"

#include <QSettings>
#include <QTest>

using namespace pentavo;

namespace {

QSettings Store() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Pentavo", "Pentavo");
}

} // namespace

class StatisticsStoreTest : public QObject {
    Q_OBJECT

private slots:
    void init() { Store().remove("Statistics"); }

    void writtenCountsReadBack() {
        QCOMPARE(ReadStatistics(), GameStatistics{});
        WriteStatistics({12, 3, 1, -2});
        QCOMPARE(Store().value("Statistics/Lost").toString(), QString("3"));
        QCOMPARE(Store().value("Statistics/Streak").toString(), QString("-2"));
        QCOMPARE(ReadStatistics(), (GameStatistics{12, 3, 1, -2}));
    }

    // A stored value that is no whole number in range reads as 0; the other keys are kept.
    void aHostileValueReadsAsZero_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("read");
        QTest::newRow("letters") << "Won"
                                 << "many" << 0;
        QTest::newRow("empty") << "Lost"
                               << "" << 0;
        QTest::newRow("negative count") << "Drawn"
                                        << "-4" << 0;
        QTest::newRow("fraction") << "Won"
                                  << "2.5" << 0;
        QTest::newRow("beyond int") << "Lost"
                                    << "99999999999999999999" << 0;
        QTest::newRow("beyond the most") << "Won"
                                         << "1000000000" << 0;
        QTest::newRow("streak beyond the most") << "Streak"
                                                << "-1000000000" << 0;
        QTest::newRow("blanks around a number") << "Drawn"
                                                << " 7 " << 7;
        QTest::newRow("losing streak") << "Streak"
                                       << "-3" << -3;
    }
    void aHostileValueReadsAsZero() {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(int, read);
        WriteStatistics({5, 6, 8, 2});
        Store().setValue("Statistics/" + key, text);
        const GameStatistics statistics = ReadStatistics();
        GameStatistics expected{5, 6, 8, 2};
        (key == "Won"     ? expected.Won
         : key == "Lost"  ? expected.Lost
         : key == "Drawn" ? expected.Drawn
                          : expected.Streak) = read;
        QCOMPARE(statistics, expected);
    }
};

QTEST_MAIN(StatisticsStoreTest)
#include "StatisticsStoreTest.moc"
