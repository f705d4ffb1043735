#include "ui/HelpViewer.h"

#include "ui/WindowPlacing.h"

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace pentavo {

namespace {

Outcome Failure(const char* pattern, const QString& path, const QFile& file) {
    return Outcome::Failed(
        Sentence(pattern, {Sentence::Verbatim(path.toStdString()),
                           Sentence::Verbatim(file.errorString().toStdString())}));
}

// A line break in the source between two Chinese or Japanese characters, tags around it included:
// these scripts put no space between words, so the break must not become one.
QString JoinBrokenCjkLines(const QString& html) {
    static const QRegularExpression broken(QStringLiteral(
        R"(([\x{2E80}-\x{9FFF}\x{F900}-\x{FAFF}\x{FF00}-\x{FFEF}])((?:<[^>]+>)*)[ \t]*\r?\n[ \t]*)"
        R"(((?:<[^>]+>)*)(?=[\x{2E80}-\x{9FFF}\x{F900}-\x{FAFF}\x{FF00}-\x{FFEF}]))"));
    return QString(html).replace(broken, QStringLiteral("\\1\\2\\3"));
}

std::optional<int> AnchorPosition(const QTextDocument& document, const QString& anchor) {
    if (anchor.isEmpty())
        return std::nullopt;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto piece = block.begin(); !piece.atEnd(); ++piece)
            if (piece.fragment().charFormat().anchorNames().contains(anchor))
                return piece.fragment().position();
    return std::nullopt;
}

class HelpText : public QTextBrowser {
public:
    explicit HelpText(QWidget* parent) : QTextBrowser(parent) {
        // A caret, so that a screen reader reads the text line by line as the arrows move it.
        setTextInteractionFlags(textInteractionFlags() | Qt::TextSelectableByKeyboard);
    }

    QVariant loadResource(int type, const QUrl& name) override {
        QVariant loaded = QTextBrowser::loadResource(type, name);
        if (type != QTextDocument::HtmlResource)
            return loaded;
        return JoinBrokenCjkLines(loaded.userType() == QMetaType::QByteArray
                                      ? QString::fromUtf8(loaded.toByteArray())
                                      : loaded.toString());
    }

protected:
    // A followed link also takes the caret along, so that reading by lines goes on from the place
    // it names rather than from the link.
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override {
        QTextBrowser::doSetSource(name, type);
        if (const std::optional<int> anchor = AnchorPosition(*document(), name.fragment()))
            setTextCursor(QTextCursor(document()->findBlock(*anchor)));
    }

    // Tab selects the next link without telling the accessibility bus: a screen reader would
    // not know that the caret moved onto it.
    bool focusNextPrevChild(bool next) override {
        const int before = textCursor().position();
        if (!QTextBrowser::focusNextPrevChild(next))
            return false;
        const QTextCursor link = textCursor();
        if (link.position() != before && hasFocus()) {
            QAccessibleTextSelectionEvent selected(this, link.selectionStart(),
                                                   link.selectionEnd());
            QAccessible::updateAccessibility(&selected);
            QAccessibleTextCursorEvent moved(this, link.position());
            QAccessible::updateAccessibility(&moved);
        }
        return true;
    }
};

// Room between the window's frame and the text.
constexpr int TextMargin = 12;
// Between the main window and the help window.
constexpr int Gap = 8;

} // namespace

HelpViewer::HelpViewer(QWidget* owner) : QWidget(owner) {
    setObjectName("HelpViewer");
    setWindowFlag(Qt::Window);
    setWindowTitle(tr("Pentavo Help"));
    resize(560, 480);

    text_ = new HelpText(this);
    text_->setObjectName("HelpText");
    text_->setAccessibleName(tr("Help text"));
    text_->setOpenExternalLinks(true);
    text_->document()->setDocumentMargin(TextMargin);

    auto* bar = new QToolBar(this);
    bar->setObjectName("HelpToolBar");
    bar->setAccessibleName(tr("Help toolbar"));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->setIconSize(QSize(16, 16));
    //: Help window button: back to the place read before.
    back_ = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"));
    back_->setShortcut(QKeySequence::Back);
    back_->setEnabled(false);
    //: Help window button: back to the help's beginning (not the Home key).
    home_ = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("Home"));
    home_->setShortcut(Qt::ALT | Qt::Key_Home);

    connect(back_, &QAction::triggered, text_, &QTextBrowser::backward);
    connect(home_, &QAction::triggered, text_, &QTextBrowser::home);
    connect(text_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    // A newly loaded page is a new document, which starts with the default margin.
    connect(text_, &QTextBrowser::sourceChanged, this,
            [this] { text_->document()->setDocumentMargin(TextMargin); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(text_);

    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
}

Outcome HelpViewer::ShowContents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure(QT_TRANSLATE_NOOP("Outcome", "Cannot open the help file \"%1\": %2."), path,
                       file);
    file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Failure(QT_TRANSLATE_NOOP("Outcome", "Cannot read the help file \"%1\": %2."), path,
                       file);
    // Pictures and links in the file are found beside it. The file's name does not say HTML, so
    // the kind is given.
    text_->setSearchPaths({QFileInfo(path).absolutePath()});
    text_->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()),
                     QTextDocument::HtmlResource);
    if (!isVisible())
        PlaceBesideOwner();
    show();
    raise();
    activateWindow();
    return Outcome::Done();
}

QRect HelpViewer::PlaceBeside(const QRect& owner, const QSize& size, const QRect& area) {
    QRect placed(QPoint(owner.right() + 1 + Gap, owner.top()), size);
    if (placed.right() > area.right())
        placed.moveRight(owner.left() - 1 - Gap);
    if (placed.left() < area.left())
        placed.moveLeft(area.right() - size.width() + 1);
    placed.moveLeft(std::max(placed.left(), area.left()));
    if (placed.bottom() > area.bottom())
        placed.moveBottom(area.bottom());
    placed.moveTop(std::max(placed.top(), area.top()));
    return placed;
}

QString HelpViewer::InLanguage(const QString& english, const QStringList& languages) {
    const QFileInfo file(english);
    for (QString language : languages) {
        language.replace('-', '_');
        // "zh_Hans_CN" is also looked for as "zh_Hans" and "zh", as Qt's translators are.
        for (; !language.isEmpty();
             language.truncate(std::max<qsizetype>(language.lastIndexOf('_'), 0))) {
            QString local =
                file.dir().filePath(file.completeBaseName() + '_' + language + '.' + file.suffix());
            if (QFileInfo::exists(local))
                return local;
        }
    }
    return english;
}

void HelpViewer::PlaceBesideOwner() {
    const QWidget* owner = parentWidget();
    const QScreen* display = owner != nullptr ? owner->screen() : screen();
    if (owner == nullptr || display == nullptr)
        return;
    const QRect area = display->availableGeometry();
    // Until it is shown, this window's frame is not known: the owner's is the best guess.
    const QSize frame = owner->frameGeometry().size() - owner->size();
    resize(size().boundedTo(area.size() - frame));
    if (CurrentPlacing() == WindowPlacing::ByProgram)
        move(PlaceBeside(owner->frameGeometry(), size() + frame, area).topLeft());
}

} // namespace pentavo
