#include "ui/frmMain.h"

#include "core/Version.h"
#include "forms/ApplyResourceCaptions.h"
#include "forms/LoadedForms.h"
#include "forms/Twips.h"
#include "resources/pictures/Pictures.h"
#include "ui/BoardDrawing.h"
#include "ui/DrawingSurface.h"
#include "ui/HelpViewer.h"
#include "ui/MainGeometry.h"
#include "ui/MessageBox.h"
#include "ui/PrintService.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QMenuBar>

namespace pentavo {

namespace {

const QSize ClientSize(TwipsToPixels(7125), TwipsToPixels(7560));

QSize FrameExtra(const QWidget& window) {
    return window.frameGeometry().size() - window.size();
}

} // namespace

frmMain::frmMain(GameOptions& options, QWidget* parent)
    : QMainWindow(parent), options_(options), game_(*this, options),
      printService_(std::make_unique<PrintService>()) {
    setObjectName("frmMain");
    setWindowTitle(AppTitle);
    setWindowIcon(ProgramIcon());

    surface_ = new DrawingSurface(ClientSize, this);
    setCentralWidget(surface_);
    connect(surface_, &DrawingSurface::MouseUp, this, &frmMain::Form_MouseUp);
    CreateStatusBar();
    CreateToolBar();
    CreateMenus();
    surface_->installEventFilter(this);
    resize(DefaultOuterSize());

    Form_Initialize();
}

frmMain::~frmMain() = default;

void frmMain::Form_Initialize() {
    game_.NewGame();
}

void frmMain::Load() {
    if (!loaded_)
        Form_Load();
}

void frmMain::Form_Load() {
    loaded_ = true;
    RegisterLoadedForm(this);
    ApplyResourceCaptions(*this);
    SetOuterGeometry(ReadMainGeometry(DefaultOuterSize()));
    helpFile_ = QCoreApplication::applicationDirPath() + "/Pentavo.hlp";
    options_.ComputerFirst = true;
    options_.UndoMoves = true;
}

void frmMain::Form_Unload() {
    // Last loaded first; the list may shrink while its windows close.
    QList<QPointer<QWidget>> others;
    for (QWidget* form : LoadedForms())
        if (form != this)
            others.append(form);
    for (qsizetype i = others.size() - 1; i >= 0; --i)
        if (others[i])
            UnloadForm(others[i]);
    if (!isMinimized())
        WriteMainGeometry(frameGeometry());
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (!unloaded_) {
        unloaded_ = true;
        sizeAwaitsFrame_ = false;
        Form_Unload();
    }
    event->accept();
}

QSize frmMain::DefaultOuterSize() const {
    const QMenuBar* menus = menuBar();
    const int menuHeight = menus->hasHeightForWidth() ? menus->heightForWidth(ClientSize.width())
                                                      : menus->sizeHint().height();
    return ClientSize + QSize(0, menuHeight) + FrameExtra(*this);
}

void frmMain::SetOuterGeometry(const QRect& outer) {
    const QSize frame = FrameExtra(*this);
    move(outer.topLeft());
    resize(outer.size() - frame);
    sizeAwaitsFrame_ = frame.isNull();
}

// Some window systems tell the frame's size as soon as the window exists, others once a window
// manager has framed it. The geometry is read again then: the default outer size includes the
// frame, so that the designed client area shows whole.
void frmMain::FitOuterSizeToFrame() {
    if (!sizeAwaitsFrame_ || !isVisible())
        return;
    // A window shown maximised keeps the size the window system gave it.
    if (windowState() != Qt::WindowNoState) {
        sizeAwaitsFrame_ = false;
        return;
    }
    const QSize frame = FrameExtra(*this);
    if (frame.isNull())
        return;
    sizeAwaitsFrame_ = false;
    resize(ReadMainGeometry(DefaultOuterSize()).size() - frame);
}

void frmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    FitOuterSizeToFrame();
}

void frmMain::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    FitOuterSizeToFrame();
}

void frmMain::DrawCell(std::int16_t col, std::int16_t row) {
    Load();
    pentavo::DrawCell(*surface_, col, row);
}

void frmMain::DrawMark(std::int16_t col, std::int16_t row, std::int16_t mark) {
    Load();
    pentavo::DrawMark(*surface_, col, row, mark);
}

void frmMain::ShowMessage(std::string_view text) {
    ShowMessageBox(this, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void frmMain::Beep() {
    QApplication::beep();
}

void frmMain::SetPrintService(std::unique_ptr<PrintService> service) {
    printService_ = std::move(service);
}

void frmMain::Form_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y) {
    game_.Form_MouseUp(Button, Shift, X, Y);
}

} // namespace pentavo
