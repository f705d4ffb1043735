#include "ui/StatisticsStore.h"

#include "ui/SettingsStore.h"

#include <QString>

namespace pentavo {

namespace {

const QString Section = QStringLiteral("Statistics");

int ReadCount(const QString& key, int least) {
    bool ok = false;
    const int value = GetSetting(Section, key, QString()).trimmed().toInt(&ok);
    return ok && value >= least && value <= GameStatistics::Most ? value : 0;
}

} // namespace

GameStatistics ReadStatistics() {
    return {ReadCount("Won", 0), ReadCount("Lost", 0), ReadCount("Drawn", 0),
            ReadCount("Streak", -GameStatistics::Most)};
}

void WriteStatistics(const GameStatistics& statistics) {
    SaveSetting(Section, "Won", QString::number(statistics.Won));
    SaveSetting(Section, "Lost", QString::number(statistics.Lost));
    SaveSetting(Section, "Drawn", QString::number(statistics.Drawn));
    SaveSetting(Section, "Streak", QString::number(statistics.Streak));
}

} // namespace pentavo
