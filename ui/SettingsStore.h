#pragma once

#include <QString>

namespace pentavo {

// The per-user settings store of this program: text values by section and key.
QString GetSetting(const QString& section, const QString& key, const QString& defaultValue);
void SaveSetting(const QString& section, const QString& key, const QString& value);

} // namespace pentavo
