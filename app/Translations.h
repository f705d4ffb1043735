#pragma once

class QCoreApplication;

namespace pentavo {

// Installs the program's translations, built into it, and Qt's own (its dialogs' buttons and
// texts) for the person's language as Qt reads it from the environment (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG). Where a language or a text has none, the English text stays.
void InstallTranslations(QCoreApplication& app);

} // namespace pentavo
