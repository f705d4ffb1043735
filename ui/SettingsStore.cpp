#include "ui/SettingsStore.h"

#include "core/Version.h"

#include <QSettings>

namespace pentavo {

namespace {

QSettings Store() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, AppTitle, AppTitle);
}

QString Path(const QString& section, const QString& key) {
    return section + '/' + key;
}

} // namespace

QString GetSetting(const QString& section, const QString& key, const QString& defaultValue) {
    return Store().value(Path(section, key), defaultValue).toString();
}

void SaveSetting(const QString& section, const QString& key, const QString& value) {
    Store().setValue(Path(section, key), value);
}

} // namespace pentavo
