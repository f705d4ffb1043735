#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace pentavo {

namespace {

void Install(QCoreApplication& app, const QString& name, const QString& folder) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(), name, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void InstallTranslations(QCoreApplication& app) {
    // English is the language of the source, and the C locale's: nothing to look for.
    const QLocale locale;
    if (locale.language() == QLocale::C ||
        locale.uiLanguages().value(0).startsWith(QLatin1String("en")))
        return;
    Install(app, QStringLiteral("pentavo"), QStringLiteral(":/i18n"));
    Install(app, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace pentavo
