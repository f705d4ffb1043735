#include "app/Translations.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace pentavo {

namespace {

// Qt mirrors its windows when the translations say the language is written from right to left;
// ours say it too, for a machine without Qt's own translations.
//: Not a text to translate: LTR for a language written from left to right, RTL for one written
//: from right to left (Arabic, Hebrew).
[[maybe_unused]] constexpr const char* LayoutDirection =
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

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
    // The application takes its direction from the translations when it handles the change they
    // post; the splash and the main window are made before the event loop would run.
    QCoreApplication::sendPostedEvents(&app, QEvent::LanguageChange);
}

} // namespace pentavo
