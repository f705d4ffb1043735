// Every shipped translation against the code: the same texts as lupdate finds in the sources now,
// each translated and finished, with the same mnemonics and the same arguments as its source; each
// language's glossary held to wherever the English speaks of one of the game's terms; and the
// help's menu paths to the menus.
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message {
    QString context;
    QString source;
    QStringList translations; // one, or one per plural form of a text that counts (%n)
    QString type;             // "unfinished", "obsolete", "vanished"; empty when finished
    bool numerus = false;
};

QStringList PluralForms(QXmlStreamReader& xml) {
    QStringList forms;
    while (xml.readNextStartElement())
        forms.append(xml.readElementText());
    return forms;
}

QList<Message> ReadMessages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QString context;
    Message message;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("message"))
            messages.append(message);
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = {
                context, {}, {}, {}, xml.attributes().value("numerus") == QLatin1String("yes")};
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value("type").toString();
            message.translations =
                message.numerus ? PluralForms(xml) : QStringList{xml.readElementText()};
        }
    }
    return messages;
}

QSet<QString> Keys(const QList<Message>& messages) {
    QSet<QString> keys;
    for (const Message& message : messages)
        keys.insert(message.context + " | " + message.source);
    return keys;
}

// A mnemonic is one '&'; "&&" is a plain ampersand.
int Mnemonics(QString text) {
    return int(text.remove(QStringLiteral("&&")).count('&'));
}

// A gettext catalogue's pairs, the header left out.
QList<QPair<QString, QString>> ReadPo(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QList<QPair<QString, QString>> pairs;
    QString* into = nullptr;
    QPair<QString, QString> pair;
    const auto flush = [&] {
        if (!pair.first.isEmpty())
            pairs.append(pair);
        pair = {};
    };
    static const QRegularExpression quoted(QStringLiteral(R"re(^(msgid|msgstr)?\s*"(.*)"$)re"));
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        const auto match = quoted.match(line.trimmed());
        if (!match.hasMatch())
            continue;
        if (match.captured(1) == QLatin1String("msgid")) {
            flush();
            into = &pair.first;
        } else if (match.captured(1) == QLatin1String("msgstr")) {
            into = &pair.second;
        }
        if (into)
            *into += match.captured(2).replace(QLatin1String("\\\""), QLatin1String("\""));
    }
    flush();
    return pairs;
}

// The help's words a reader sees: tags dropped, the few entities the help uses spelled out.
QString ReadHelpText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    return text.replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&nbsp;"), QLatin1String(" "));
}

// A menu's caption as the help names it: no mnemonic, neither "&" nor Chinese and Japanese "(&U)".
QString Caption(QString text) {
    static const QRegularExpression mnemonic(QStringLiteral(R"(\(&\w\)|&)"));
    return text.remove(mnemonic).trimmed();
}

// The help's bold texts, where its menu paths stand ("File > Open...").
QStringList BoldTexts(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression bold(QStringLiteral("<b>(.*?)</b>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    QStringList texts;
    for (const auto& match : bold.globalMatch(QString::fromUtf8(file.readAll())))
        texts.append(
            match.captured(1).replace(QLatin1String("&gt;"), QLatin1String(">")).simplified());
    return texts;
}

struct GlossaryEntry {
    QStringList forms;     // any of them, as part of a word, shows the term is used
    QStringList forbidden; // synonyms that must not stand for the term anywhere
};

// translations/glossary/LANGUAGE.txt: "TERM = FORM | FORM ... ! FORBIDDEN | ...", # comments.
QMap<QString, GlossaryEntry> ReadGlossary(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QMap<QString, GlossaryEntry> glossary;
    const auto split = [](const QString& list) {
        QStringList items = list.split('|', Qt::SkipEmptyParts);
        for (QString& item : items)
            item = item.trimmed();
        items.removeAll(QString());
        return items;
    };
    for (QString line : QString::fromUtf8(file.readAll()).split('\n')) {
        line = line.section('#', 0, 0);
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            continue;
        const QString rest = line.mid(equals + 1);
        glossary.insert(line.left(equals).trimmed(),
                        {split(rest.section('!', 0, 0)), split(rest.section('!', 1))});
    }
    return glossary;
}

// Where the English speaks of each term, in this order: a match is taken out of the text before the
// next term looks, so that "Undo moves" is the command's name, not also a move.
struct EnglishTerm {
    const char* term;
    const char* pattern;
};
constexpr EnglishTerm kEnglishTerms[] = {
    {"undo", R"(\bUndo( moves)?\b)"},
    {"take back", R"(\b(take|takes|taking|taken) (\w+ )?back( moves)?\b)"},
    {"draw", R"(\bDraw\b)"},
    {"move",
     R"((?<!Your )\b[Mm]oves?\b(?! the\b))"}, // "move the cursor" a verb, "Your move" a turn
    {"mark", R"(\bmarks?\b)"},                // the noun; "Mark Last Move" is a command
    {"cross", R"(\bcross(es)?\b)"},
    {"circle", R"(\bcircles?\b)"},
    {"first", R"((?<!the )\bfirst\b)"}, // "the first game", "the first arrow key" count nothing
    {"second", R"(\bsecond\b)"},
};

// The terms an English text speaks of.
QStringList TermsIn(QString english) {
    QStringList terms;
    for (const EnglishTerm& term : kEnglishTerms) {
        const QRegularExpression pattern(QString::fromLatin1(term.pattern));
        if (english.contains(pattern)) {
            terms.append(QString::fromLatin1(term.term));
            english.replace(pattern, QStringLiteral(" "));
        }
    }
    return terms;
}

bool ContainsAny(const QString& text, const QStringList& forms) {
    for (const QString& form : forms)
        if (text.contains(form, Qt::CaseInsensitive))
            return true;
    return false;
}

QStringList Arguments(const QString& text) {
    QStringList found;
    for (const auto& match : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
        found.append(match.captured());
    found.sort();
    return found;
}

} // namespace

class TranslationFilesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(scratch_.isValid());
        const QString fresh = scratch_.filePath("fresh.ts");
        QProcess lupdate;
        lupdate.start(LUPDATE, {QString("@") + SOURCES_LIST, "-no-obsolete", "-locations", "none",
                                "-silent", "-ts", fresh});
        QVERIFY(lupdate.waitForFinished(60000));
        QCOMPARE(lupdate.exitCode(), 0);
        sourceTexts_ = Keys(ReadMessages(fresh));
        QVERIFY(sourceTexts_.size() > 50);
    }

    void EveryTextIsTranslated_data() {
        QTest::addColumn<QString>("path");
        const QStringList files =
            QDir(TRANSLATIONS_DIR).entryList({"pentavo_*.ts"}, QDir::Files, QDir::Name);
        QVERIFY(files.size() >= 10);
        for (const QString& file : files)
            QTest::newRow(qPrintable(file)) << QDir(TRANSLATIONS_DIR).filePath(file);
    }

    void EveryTextIsTranslated() {
        QFETCH(QString, path);
        const QList<Message> messages = ReadMessages(path);
        // In step with the code: lupdate would neither add nor drop a text.
        QSet<QString> added = sourceTexts_ - Keys(messages);
        QSet<QString> dropped = Keys(messages) - sourceTexts_;
        QVERIFY2(added.isEmpty(), qPrintable("not in the file: " + added.values().join("; ")));
        QVERIFY2(dropped.isEmpty(),
                 qPrintable("no longer in the code: " + dropped.values().join("; ")));
        for (const Message& m : messages) {
            const QByteArray where = (m.context + " | " + m.source).toUtf8();
            QVERIFY2(m.type.isEmpty(), where + " is " + m.type.toUtf8());
            QVERIFY2(!m.translations.isEmpty(), where + " has no translation");
            for (const QString& translation : m.translations) {
                QVERIFY2(!translation.isEmpty(), where + " has no translation");
                QVERIFY2(Mnemonics(translation) == Mnemonics(m.source), where + " mnemonics");
                QVERIFY2(Arguments(translation) == Arguments(m.source), where + " arguments");
            }
            if (m.source == QLatin1String("QT_LAYOUT_DIRECTION"))
                QVERIFY2(m.translations == QStringList{"LTR"} ||
                             m.translations == QStringList{"RTL"},
                         where + " is neither LTR nor RTL");
        }
    }

    void GlossaryTermsAreUsed_data() { AddLanguageRows(); }

    // Each term in the glossary's words wherever the English speaks of it (text by text in the
    // program and the desktop files, at least once in the help), and a forbidden synonym nowhere.
    void GlossaryTermsAreUsed() {
        QFETCH(QString, language);
        const QDir translations(TRANSLATIONS_DIR);
        const auto glossary = ReadGlossary(translations.filePath("glossary/" + language + ".txt"));
        for (const EnglishTerm& term : kEnglishTerms)
            QVERIFY2(glossary.contains(term.term) && !glossary[term.term].forms.isEmpty(),
                     qPrintable(language + " glossary lacks " + term.term));

        QList<QPair<QString, QString>> texts; // English, translation
        for (const Message& m : ReadMessages(translations.filePath("pentavo_" + language + ".ts")))
            texts.append({m.source, m.translations.join('\n')});
        const auto po = ReadPo(translations.filePath("desktop/" + language + ".po"));
        QVERIFY2(!po.isEmpty(), "no desktop translation");
        texts += po;
        texts.append({ReadHelpText(QDir(HELP_DIR).filePath("Pentavo.hlp")),
                      ReadHelpText(QDir(HELP_DIR).filePath("Pentavo_" + language + ".hlp"))});
        QVERIFY2(!texts.last().second.isEmpty(), "no help");

        for (const auto& [english, translation] : texts) {
            const QByteArray where = english.left(60).toUtf8();
            for (const QString& term : TermsIn(english))
                QVERIFY2(ContainsAny(QString(translation).remove('&'), glossary[term].forms),
                         where + ": no " + term.toUtf8() + " in " + translation.left(80).toUtf8());
            for (const auto& [term, entry] : glossary.asKeyValueRange())
                for (const QString& synonym : entry.forbidden)
                    QVERIFY2(!translation.contains(synonym, Qt::CaseInsensitive),
                             where + ": " + synonym.toUtf8() + " for " + term.toUtf8());
        }
    }

    void HelpMenuPathsAreTheMenus_data() { AddLanguageRows(); }

    // Each step of a menu path in the help is a caption the program shows, and the arrow between
    // steps points the way the language is read: "←" from the right, ">" from the left.
    void HelpMenuPathsAreTheMenus() {
        QFETCH(QString, language);
        QSet<QString> captions;
        bool rightToLeft = false;
        for (const Message& m :
             ReadMessages(QDir(TRANSLATIONS_DIR).filePath("pentavo_" + language + ".ts"))) {
            captions.insert(Caption(m.translations.value(0)));
            if (m.source == QLatin1String("QT_LAYOUT_DIRECTION"))
                rightToLeft = m.translations == QStringList{"RTL"};
        }
        const QString help = QDir(HELP_DIR).filePath("Pentavo_" + language + ".hlp");
        const QString arrow = rightToLeft ? QStringLiteral("←") : QStringLiteral(">");
        if (rightToLeft)
            QVERIFY2(!ReadHelpText(help).contains('>'), "\">\" points against the reading");
        int paths = 0;
        for (const QString& bold : BoldTexts(help)) {
            if (!bold.contains(arrow))
                continue;
            ++paths;
            for (const QString& step : bold.split(arrow))
                QVERIFY2(captions.contains(step.trimmed()),
                         qPrintable(bold + ": no menu says \"" + step.trimmed() + "\""));
        }
        QVERIFY2(paths >= 10, qPrintable(QString::number(paths) + " menu paths"));
    }

private:
    static void AddLanguageRows() {
        QTest::addColumn<QString>("language");
        const QStringList files =
            QDir(TRANSLATIONS_DIR).entryList({"pentavo_*.ts"}, QDir::Files, QDir::Name);
        for (const QString& file : files) {
            const QString language = file.mid(8).chopped(3);
            QTest::newRow(qPrintable(language)) << language;
        }
    }

    QTemporaryDir scratch_;
    QSet<QString> sourceTexts_;
};

QTEST_GUILESS_MAIN(TranslationFilesTest)
#include "TranslationFilesTest.moc"
