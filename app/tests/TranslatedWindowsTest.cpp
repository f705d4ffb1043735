// The windows in every shipped language and in a pseudo-language whose every text is 40 % longer
// and accented: each caption fits its control, and in the pseudo-language no English remains.
#include "app/Translations.h"
#include "app/frmSplash.h"
#include "core/Version.h"
#include "forms/Translated.h"
#include "ui/HelpViewer.h"
#include "ui/dialogs/frmAbout.h"
#include "ui/dialogs/frmOptions.h"
#include "ui/frmMain.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTranslator>
#include <QXmlStreamReader>

#include <cmath>
#include <memory>

using namespace pentavo;

namespace {

const QString Accented = QStringLiteral("Åƀçđéƒĝĥîĵķĺɱñöþǫŕšţûṽŵẋýž");

// Every letter accented, the text between brackets and 40 % longer; places (%1), mnemonics and
// file patterns "(*.pnv)" kept.
QString Pseudo(const QString& english) {
    QString text;
    bool pattern = false;
    for (qsizetype i = 0; i < english.size(); ++i) {
        const QChar c = english[i];
        pattern = (pattern || english.mid(i, 2) == QLatin1String("(*")) && c != ')';
        const bool place = i > 0 && english[i - 1] == '%' && c.isDigit();
        if (!pattern && !place && c.isLetter() && c.toLatin1() != 0)
            text += Accented[c.toLower().toLatin1() - 'a'];
        else
            text += c;
    }
    return '[' + text + QString((english.size() * 2 + 4) / 5, QChar('~')) + ']';
}

// Translates exactly the texts the translators are given (those of a .ts file).
class PseudoTranslator : public QTranslator {
public:
    explicit PseudoTranslator(const QString& tsFile) {
        QFile file(tsFile);
        if (!file.open(QIODevice::ReadOnly))
            return;
        QXmlStreamReader xml(&file);
        QString context;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QLatin1String("name"))
                context = xml.readElementText();
            else if (xml.isStartElement() && xml.name() == QLatin1String("source"))
                texts_.insert(context + '\n' + xml.readElementText(), {});
        }
    }
    bool isEmpty() const override { return texts_.isEmpty(); }
    QString translate(const char* context, const char* source, const char*, int) const override {
        const QString english = QString::fromUtf8(source);
        return texts_.contains(QString::fromUtf8(context) + '\n' + english) ? Pseudo(english)
                                                                            : QString();
    }

private:
    QHash<QString, QString> texts_;
};

// Why the caption does not fit its control; empty when it does.
QString Clipped(const QWidget& control) {
    QSize need;
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        if (label->wordWrap())
            return label->heightForWidth(label->width()) > label->height() &&
                           label->heightForWidth(label->width() * 4) <= label->height()
                       ? QStringLiteral("wraps below its height")
                       : QString();
        need = label->sizeHint();
    } else if (const auto* push = qobject_cast<const QPushButton*>(&control)) {
        // The caption and the button's own margins; its size hint has a floor of its own.
        const int margins = 2 * (push->style()->pixelMetric(QStyle::PM_ButtonMargin) +
                                 push->style()->pixelMetric(QStyle::PM_DefaultFrameWidth));
        need = QSize(
            push->fontMetrics().horizontalAdvance(QString(push->text()).remove('&')) + margins, 0);
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        need = button->sizeHint();
    } else if (const auto* box = qobject_cast<const QGroupBox*>(&control)) {
        need = QSize(box->fontMetrics().horizontalAdvance(box->title()), 0);
    }
    return need.width() > control.width()
               ? QStringLiteral("needs %1 px, has %2").arg(need.width()).arg(control.width())
               : QString();
}

QString Caption(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control))
        return button->text();
    if (const auto* box = qobject_cast<const QGroupBox*>(&control))
        return box->title();
    return {};
}

// A text the person reads that escaped translation: letters outside the pseudo brackets, other
// than the program's name and the clock's date and time.
bool EscapedTranslation(const QString& text) {
    if (text.isEmpty() || text.contains('[') || text == QLatin1String(AppTitle))
        return false;
    const QLocale locale = QLocale::system();
    if (locale.toTime(text, QLocale::ShortFormat).isValid() ||
        locale.toDate(text, QLocale::ShortFormat).isValid())
        return false;
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

} // namespace

class TranslatedWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void EveryCaptionFitsAndNoEnglishRemains_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("pseudo") << QString();
        for (const QString& qm : QDir(QM_DIR).entryList({"pentavo_*.qm"}, QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(qm)) << QDir(QM_DIR).filePath(qm);
    }

    void EveryCaptionFitsAndNoEnglishRemains() {
        QFETCH(QString, language);
        std::unique_ptr<QTranslator> translator;
        if (language.isEmpty()) {
            translator = std::make_unique<PseudoTranslator>(TS_FILE);
        } else {
            translator = std::make_unique<QTranslator>();
            QVERIFY(translator->load(language));
        }
        QVERIFY(!translator->isEmpty());
        QCoreApplication::installTranslator(translator.get());
        const bool pseudo = language.isEmpty();

        GameOptions options;
        frmMain window(options);
        window.Load();
        window.show();
        auto* splash = new frmSplash();
        auto* optionsBox = new frmOptions(options, &window);
        auto* about = new frmAbout(&window);
        auto* help = new HelpViewer(&window);
        const QList<QWidget*> windows{&window, splash, optionsBox, about, help};
        for (QWidget* shown : windows)
            shown->show();

        QStringList faults;
        const auto read = [&](const QString& text, const QString& where) {
            if (pseudo && EscapedTranslation(text))
                faults.append(where + ": English \"" + text + '"');
        };
        // A failure as ShowFailure shows it.
        read(Translated(Sentence("Move %1 names no cell (code %2).",
                                 {Sentence::Verbatim("7"), Sentence::Verbatim("240")})),
             "a failure");
        for (QWidget* shown : windows) {
            read(shown->windowTitle(), shown->objectName() + " title");
            for (QWidget* control : shown->findChildren<QWidget*>()) {
                if (!control->isVisibleTo(shown) || control->window() != shown ||
                    qobject_cast<QToolButton*>(control) != nullptr)
                    continue;
                const QString where = shown->objectName() + '/' + control->objectName();
                read(Caption(*control), where);
                read(control->accessibleName(), where + " name");
                read(control->accessibleDescription(), where + " description");
                if (control->geometry().right() >= 0 && !Clipped(*control).isEmpty())
                    faults.append(where + " \"" + Caption(*control) + "\" " + Clipped(*control));
            }
            for (QAction* action : shown->findChildren<QAction*>()) {
                read(action->text(), shown->objectName() + " action " + action->objectName());
                read(action->toolTip(), shown->objectName() + " tooltip " + action->objectName());
            }
        }
        delete splash;
        delete optionsBox;
        delete about;
        QCoreApplication::removeTranslator(translator.get());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    // Qt's own dialogs (file, message, print) speak the person's language too.
    void qtsOwnTextsFollowTheLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("German") << "de_DE"
                                << "Abbrechen";
        QTest::newRow("English") << "en_US"
                                 << "Cancel";
        QTest::newRow("Catalan") << "ca_ES"
                                 << "Cancel·la";
        QTest::newRow("Hungarian") << "hu_HU"
                                   << "Mégse";
        QTest::newRow("Turkish") << "tr_TR"
                                 << "İptal";
        QTest::newRow("Ukrainian") << "uk_UA"
                                   << "Скасувати";
    }
    void qtsOwnTextsFollowTheLanguage() {
        QFETCH(QString, language);
        QFETCH(QString, cancel);
        const QLocale before;
        QLocale::setDefault(QLocale(language));
        InstallTranslations(*QCoreApplication::instance());
        const QString got = QCoreApplication::translate("QPlatformTheme", "Cancel");
        qDeleteAll(
            QCoreApplication::instance()->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
        QLocale::setDefault(before);
        QCOMPARE(got, cancel);
    }

    // The help file in the first of the person's languages that has one, else the English one.
    void HelpFileInTheLanguage_data() {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("language and country") << QStringList{"de-DE", "de"} << "Pentavo_de.hlp";
        QTest::newRow("language alone") << QStringList{"de"} << "Pentavo_de.hlp";
        QTest::newRow("script, then country")
            << QStringList{"zh-Hans-CN", "zh-CN", "zh"} << "Pentavo_zh_CN.hlp";
        QTest::newRow("traditional script")
            << QStringList{"zh-Hant-TW", "zh-TW", "zh"} << "Pentavo_zh_TW.hlp";
        QTest::newRow("another country") << QStringList{"pt-PT", "pt"} << "Pentavo.hlp";
        QTest::newRow("second choice") << QStringList{"eo", "de-AT"} << "Pentavo_de.hlp";
        QTest::newRow("English") << QStringList{"en-US", "en"} << "Pentavo.hlp";
        QTest::newRow("none") << QStringList{} << "Pentavo.hlp";
    }

    void HelpFileInTheLanguage() {
        QFETCH(QStringList, languages);
        QFETCH(QString, chosen);
        QTemporaryDir folder;
        for (const char* name : {"Pentavo.hlp", "Pentavo_de.hlp", "Pentavo_zh_CN.hlp",
                                 "Pentavo_zh_TW.hlp", "Pentavo_pt_BR.hlp"}) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(HelpViewer::InLanguage(folder.filePath("Pentavo.hlp"), languages),
                 folder.filePath(chosen));
    }
};

QTEST_MAIN(TranslatedWindowsTest)
#include "TranslatedWindowsTest.moc"
