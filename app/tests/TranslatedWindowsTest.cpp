// The windows in every shipped language, measured with the fonts at hand, and in a pseudo-language
// whose every text is 40 % longer and accented: each caption fits its control and has its glyphs,
// and in the pseudo-language no English remains. Around them: a game saved in any language, the
// help without stray spaces, and the windows mirrored for a language written from right to left.
#include "app/Translations.h"
#include "app/frmSplash.h"
#include "core/Version.h"
#include "forms/GlyphExtent.h"
#include "forms/Translated.h"
#include "ui/DrawingSurface.h"
#include "ui/HelpViewer.h"
#include "ui/StatusBar.h"
#include "ui/dialogs/frmAbout.h"
#include "ui/dialogs/frmOptions.h"
#include "ui/dialogs/frmStatistics.h"
#include "ui/frmMain.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLocale>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
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

// A compiled translation, or the pseudo-language for none; empty when the file cannot be read.
std::unique_ptr<QTranslator> TranslatorFor(const QString& qmFile) {
    if (qmFile.isEmpty())
        return std::make_unique<PseudoTranslator>(TS_FILE);
    auto translator = std::make_unique<QTranslator>();
    static_cast<void>(translator->load(qmFile)); // an unread file leaves it empty, which is checked
    return translator;
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

// Why the caption does not fit its control, as the fonts at hand draw it; empty when it does. A
// top-aligned label's glyphs must end above its bottom, any other caption's be no taller than its
// control: Chinese and Japanese glyphs reach further than Latin ones.
QString Clipped(const QWidget& control) {
    QSize need;
    const QString caption = QString(Caption(control)).remove('&');
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        const QRect room = label->contentsRect();
        const QRectF ink =
            MeasureGlyphs(caption, label->font(), label->wordWrap() ? room.width() : 0).rect;
        const qreal reach = label->alignment().testFlag(Qt::AlignTop) ? ink.bottom() : ink.height();
        if (reach > room.height())
            return QStringLiteral("its glyphs need %1 px high, it has %2")
                .arg(std::ceil(reach))
                .arg(room.height());
        if (label->wordWrap())
            return {};
        need = label->sizeHint();
    } else if (const auto* push = qobject_cast<const QPushButton*>(&control)) {
        // The caption and the button's own margins; its size hint has a floor of its own.
        const int margins = 2 * (push->style()->pixelMetric(QStyle::PM_ButtonMargin) +
                                 push->style()->pixelMetric(QStyle::PM_DefaultFrameWidth));
        need = QSize(push->fontMetrics().horizontalAdvance(caption) + margins, 0);
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        need = button->sizeHint();
    } else if (const auto* box = qobject_cast<const QGroupBox*>(&control)) {
        need = QSize(box->fontMetrics().horizontalAdvance(box->title()), 0);
    }
    const qreal inkHeight = MeasureGlyphs(caption, control.font()).rect.height();
    if (inkHeight > control.height())
        return QStringLiteral("its glyphs need %1 px high, it has %2")
            .arg(std::ceil(inkHeight))
            .arg(control.height());
    return need.width() > control.width()
               ? QStringLiteral("needs %1 px, has %2").arg(need.width()).arg(control.width())
               : QString();
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

// Where a control lies within the window, bar or frame it belongs to, and whether a language
// written from right to left mirrors it there.
struct Placed {
    QRect rect;
    int within;
    bool mirrors;
};

struct Layout {
    QMap<QString, Placed> controls;
    QImage board;
    int played = 0; // the move code that Home, Left, Up and Enter play
};

Layout Placements(Qt::LayoutDirection direction) {
    QApplication::setLayoutDirection(direction);
    Layout layout;
    GameOptions options;
    frmMain window(options);
    window.Load();
    window.show();
    const auto add = [&layout](const QString& name, const QWidget& within, QRect rect) {
        layout.controls.insert(name, {rect, within.width(), true});
    };
    for (QAction* item : window.menuBar()->actions())
        add("menu " + item->text(), *window.menuBar(), window.menuBar()->actionGeometry(item));
    auto* bar = window.findChild<QToolBar*>("tbToolBar");
    for (QAction* button : bar->actions())
        if (!button->isSeparator())
            add("toolbar " + button->objectName(), *bar, bar->widgetForAction(button)->geometry());
    auto* status = window.findChild<StatusBar*>();
    int panel = 0;
    for (QLabel* label : status->findChildren<QLabel*>())
        add(QStringLiteral("status panel %1").arg(++panel), *status,
            QRect(label->mapTo(status, QPoint()), label->size()));
    frmOptions optionsBox(options, &window);
    frmAbout about(&window);
    for (QWidget* dialog : {static_cast<QWidget*>(&optionsBox), static_cast<QWidget*>(&about)})
        for (QWidget* control : dialog->findChildren<QWidget*>())
            if (!control->isWindow() && control->parentWidget()->layout() == nullptr)
                add(dialog->objectName() + '/' + control->objectName(), *control->parentWidget(),
                    control->geometry());
    // The board is neither mirrored nor moved.
    layout.controls.insert("board", {window.Surface().geometry(), window.width(), false});
    layout.board = window.Surface().grab().toImage();
    for (const Qt::Key key : {Qt::Key_Home, Qt::Key_Left, Qt::Key_Up, Qt::Key_Return})
        QTest::keyClick(&window.Surface(), key);
    const GameState& state = window.TheGame().State();
    layout.played = state.MoveLog[std::size_t(state.MoveCount - 2)];
    // Back to the direction the translations give.
    QApplication::setLayoutDirection(Qt::LayoutDirectionAuto);
    return layout;
}

// The record File > Save writes after the opening, G8 played by the keys and the computer's reply.
QByteArray SavedRecord(const QString& path) {
    GameOptions options;
    frmMain window(options);
    window.Load();
    window.dlgCommonDialog.Chooser = [&path](const CommonDialog&, CommonDialog::Form) {
        return std::optional<QString>(path);
    };
    for (const Qt::Key key : {Qt::Key_Home, Qt::Key_Left, Qt::Key_Return})
        QTest::keyClick(&window.Surface(), key);
    window.mnuFileSave_Click();
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
        const std::unique_ptr<QTranslator> translator = TranslatorFor(language);
        QVERIFY(!translator->isEmpty());
        QCoreApplication::installTranslator(translator.get());
        // As the program does: the direction the translation gives, before any window is made.
        QCoreApplication::sendPostedEvents(qApp, QEvent::LanguageChange);
        const bool pseudo = language.isEmpty();

        GameOptions options;
        frmMain window(options);
        window.Load();
        window.show();
        auto* splash = new frmSplash();
        auto* optionsBox = new frmOptions(options, &window);
        auto* about = new frmAbout(&window);
        auto* help = new HelpViewer(&window);
        auto* statistics = new frmStatistics(&window);
        const QList<QWidget*> windows{&window, splash, optionsBox, about, help, statistics};
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
                if (MeasureGlyphs(Caption(*control), control->font()).missing)
                    faults.append(where + " \"" + Caption(*control) + "\" lacks a font");
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
        delete statistics;
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

    // A game saved in any language is byte for byte the one saved in English.
    void SavedRecordIsTheSameInEveryLanguage_data() { EveryCaptionFitsAndNoEnglishRemains_data(); }

    void SavedRecordIsTheSameInEveryLanguage() {
        QFETCH(QString, language);
        QTemporaryDir folder;
        const QByteArray english = SavedRecord(folder.filePath("english.pnv"));
        QCOMPARE(english.size(), 225);
        QCOMPARE(english.left(3).count('\0'), 0);
        const std::unique_ptr<QTranslator> translator = TranslatorFor(language);
        QCoreApplication::installTranslator(translator.get());
        QVERIFY(!translator->isEmpty());
        const QByteArray translated = SavedRecord(folder.filePath("translated.pnv"));
        QCoreApplication::removeTranslator(translator.get());
        QCOMPARE(translated, english);
    }

    // In a language written from right to left the menus, the bars and the dialogs mirror; the
    // board, its cells and the arrow keys stay as they are (Left moves left on the screen).
    void RightToLeftMirrorsAllButTheBoard() {
        const Layout ltr = Placements(Qt::LeftToRight);
        const Layout rtl = Placements(Qt::RightToLeft);
        QCOMPARE(rtl.controls.keys(), ltr.controls.keys());
        QVERIFY(ltr.controls.size() > 20);
        for (auto left = ltr.controls.cbegin(); left != ltr.controls.cend(); ++left) {
            const Placed& right = rtl.controls[left.key()];
            const int expected =
                left->mirrors ? left->within - left->rect.x() - left->rect.width() : left->rect.x();
            QVERIFY2(std::abs(right.rect.x() - expected) <= 1 && right.rect.y() == left->rect.y(),
                     qPrintable(QStringLiteral("%1 at x %2, expected %3")
                                    .arg(left.key())
                                    .arg(right.rect.x())
                                    .arg(expected)));
        }
        QVERIFY(rtl.board == ltr.board);
        QCOMPARE(rtl.played, 6 * 16 + 6 + 1); // G9: a column to the left, a row up from H8
        QCOMPARE(ltr.played, rtl.played);
    }

    // Chinese and Japanese put no space between words: where the help's source breaks a line
    // between two of their characters, the reader must not see one.
    void HelpShowsNoSpaceBetweenCjkCharacters_data() {
        QTest::addColumn<QString>("path");
        for (const QString& help :
             QDir(HELP_DIR).entryList({"Pentavo*.hlp"}, QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(help)) << QDir(HELP_DIR).filePath(help);
    }

    void HelpShowsNoSpaceBetweenCjkCharacters() {
        QFETCH(QString, path);
        HelpViewer viewer(nullptr);
        QVERIFY(viewer.ShowContents(path).Ok());
        const QString text = viewer.Text().toPlainText();
        QVERIFY(text.size() > 1000);
        static const QRegularExpression stray(QStringLiteral(
            R"([\x{2E80}-\x{9FFF}\x{FF00}-\x{FFEF}][ \t\x{A0}\x{3000}]+[\x{2E80}-\x{9FFF}\x{FF00}-\x{FFEF}])"));
        const QRegularExpressionMatch found = stray.match(text);
        QVERIFY2(!found.hasMatch(), qPrintable(text.mid(found.capturedStart() - 12, 30)));
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
