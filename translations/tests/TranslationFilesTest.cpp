// Every shipped translation against the code: the same texts as lupdate finds in the sources now,
// each translated and finished, with the same mnemonics and the same arguments as its source.
#include <QDir>
#include <QFile>
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
        }
    }

private:
    QTemporaryDir scratch_;
    QSet<QString> sourceTexts_;
};

QTEST_GUILESS_MAIN(TranslationFilesTest)
#include "TranslationFilesTest.moc"
