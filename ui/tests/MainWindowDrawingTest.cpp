#include "core/BoardGeometry.h"
#include "core/GameOptions.h"
#include "ui/DrawingSurface.h"
#include "ui/frmMain.h"

#include "qttestkit/Windows.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace pentavo;
using pentavo::test::ModalDriver;

namespace {

const QColor White(255, 255, 255);
const QColor Black(0, 0, 0);
const QColor CrossRed(160, 0, 0);
const QColor CircleGreen(0, 160, 0);

// The main window's own picture, menus and all, at the screen's pixel density.
class WindowShot {
public:
    explicit WindowShot(frmMain& window)
        : image_(window.grab().toImage()), client_(window.Surface().mapTo(&window, QPoint(0, 0))) {}

    double Ratio() const { return image_.devicePixelRatio(); }

    // The device pixel under a point given in twips of the client area.
    QColor AtTwips(double x, double y) const {
        return AtDevice(static_cast<int>(std::floor(x / 15 * Ratio())),
                        static_cast<int>(std::floor(y / 15 * Ratio())));
    }
    // A device pixel counted from the client area's corner.
    QColor AtDevice(int x, int y) const {
        return image_.pixelColor(static_cast<int>(client_.x() * Ratio()) + x,
                                 static_cast<int>(client_.y() * Ratio()) + y);
    }

private:
    QImage image_;
    QPoint client_;
};

} // namespace

class MainWindowDrawingTest : public QObject {
    Q_OBJECT

private slots:
    void theShotIsAtTheScreensPixelDensity() {
        GameOptions options;
        frmMain window(options);
        const WindowShot shot(window);
        QCOMPARE(shot.Ratio(), qApp->devicePixelRatio());
        if (qEnvironmentVariable("QT_SCALE_FACTOR") == "2")
            QCOMPARE(shot.Ratio(), 2.0);
    }

    void aCrossIsTwoDarkRedStrokesInItsCell() {
        GameOptions options;
        frmMain window(options);
        window.DrawMark(0, 0, 1);
        const WindowShot shot(window);
        QCOMPARE(shot.AtTwips(400, 800), CrossRed);
        QCOMPARE(shot.AtTwips(300, 700), CrossRed);
        QCOMPARE(shot.AtTwips(500, 700), CrossRed);
        QCOMPARE(shot.AtTwips(300, 900), CrossRed);
        QCOMPARE(shot.AtTwips(500, 900), CrossRed);
        // Between the strokes the cell stays white.
        QCOMPARE(shot.AtTwips(400, 660), White);
        QCOMPARE(shot.AtTwips(260, 800), White);
    }

    void aCircleIsDarkGreenAtRadius150AndWhiteInside() {
        GameOptions options;
        frmMain window(options);
        window.DrawMark(14, 14, 2);
        const WindowShot shot(window);
        for (const QPointF& onRing :
             {QPointF(6150, 6400), QPointF(5850, 6400), QPointF(6000, 6250), QPointF(6000, 6550)})
            QCOMPARE(shot.AtTwips(onRing.x(), onRing.y()), CircleGreen);
        QCOMPARE(shot.AtTwips(6000, 6400), White);
        QCOMPARE(shot.AtTwips(6060, 6430), White);
        // The cell's corner lies outside the circle.
        QCOMPARE(shot.AtTwips(5840, 6240), White);
    }

    void anErasedCellIsWhiteWithASharpBlackBorder() {
        GameOptions options;
        frmMain window(options);
        // The opening cross of the first game stands at (7, 7).
        QCOMPARE(WindowShot(window).AtTwips(3200, 3600), CrossRed);
        window.DrawMark(7, 7, 0);
        const WindowShot shot(window);
        QCOMPARE(shot.AtTwips(3200, 3600), White);
        QCOMPARE(shot.AtTwips(3100, 3500), White);
        // The left border at x = 3000 twips (200 pixels) is two pixels wide and has no fringe.
        const int ratio = static_cast<int>(shot.Ratio());
        const int centre = 200 * ratio;
        const int y = 240 * ratio;
        for (int x = centre - ratio; x < centre + ratio; ++x)
            QCOMPARE(shot.AtDevice(x, y), Black);
        QCOMPARE(shot.AtDevice(centre - ratio - 1, y), White);
        QCOMPARE(shot.AtDevice(centre + ratio, y), White);
    }

    void theWindowsBackgroundShowsBesideTheBoard() {
        GameOptions options;
        frmMain window(options);
        const WindowShot shot(window);
        const QColor background = window.palette().color(QPalette::Window);
        QCOMPARE(shot.AtTwips(100, 3000), background);
        QCOMPARE(shot.AtTwips(6700, 3000), background);
        QCOMPARE(shot.AtTwips(3000, 6900), background);
    }

    void whatWasDrawnWhileHiddenShowsOnceShown() {
        GameOptions options;
        frmMain window(options);
        window.DrawMark(3, 3, 2);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const WindowShot shot(window);
        QCOMPARE(shot.AtTwips(3 * 400 + 550, 3 * 400 + 800), CircleGreen);
        QCOMPARE(shot.AtTwips(3200, 3600), CrossRed);
    }

    // Off at start; when on, a dot over the computer's last reply, painted over the kept image,
    // that moves with each reply and goes with Undo and New.
    void markLastMoveDotsTheLastReplyUntilUndoOrNew() {
        GameOptions options;
        frmMain window(options);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto play = [&](int col, int row) {
            window.Form_MouseUp(1, 0, static_cast<float>(CellCentreX(col)),
                                static_cast<float>(CellCentreY(row)));
        };
        const auto reply = [&](int logIndex) {
            std::int16_t col = 0;
            std::int16_t row = 0;
            if (!DecodeMove(window.TheGame().State().MoveLog[static_cast<std::size_t>(logIndex)],
                            col, row))
                return QRectF();
            return QRectF(CellLeft(col), CellTop(row), CellPitch, CellPitch);
        };
        play(3, 3);
        QVERIFY(!window.Surface().Marker());
        const QImage kept = window.Surface().Image();
        window.findChild<QAction*>("mnuViewMarkLastMove")->trigger();
        QCOMPARE(window.Surface().Marker(), reply(2));
        QCOMPARE(window.Surface().Image(), kept);
        const QPointF dot = reply(2).center();
        QCOMPARE(WindowShot(window).AtTwips(dot.x(), dot.y()),
                 window.palette().color(QPalette::Highlight));
        play(4, 3);
        QCOMPARE(window.Surface().Marker(), reply(4));
        window.mnuEditUndo_Click();
        QVERIFY(!window.Surface().Marker());
        play(4, 3);
        QVERIFY(window.Surface().Marker());
        window.mnuFileNew_Click();
        QVERIFY(!window.Surface().Marker());
    }

    // Off at start; when on, a line through the centres of the five while the game is over by it,
    // painted over the marks; it goes with Undo, New and Open and comes back with Redo. The screen
    // reader hears the five's ends either way.
    void showWinningFiveLinesTheFiveWhileTheGameIsOverByIt() {
        QTemporaryDir folder;
        const QString path = folder.filePath("four.pnv");
        {
            // Crosses (the computer's) at D8 to G8 and circles in three corners, circles to move.
            QByteArray record(225, '\0');
            const char moves[] = {116, 1, 117, 15, 118, (char)225, 119};
            record.replace(0, sizeof moves, QByteArray(moves, sizeof moves));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(record) == 225);
        }
        GameOptions options;
        frmMain window(options);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QAction* option = window.findChild<QAction*>("mnuViewShowWinningFive");
        QVERIFY(!option->isChecked());
        window.OpenRecord(path);
        {
            ModalDriver messages;
            window.Form_MouseUp(1, 0, static_cast<float>(CellCentreX(14)),
                                static_cast<float>(CellCentreY(14)));
            QCOMPARE(messages.Texts, QStringList{"I win"});
        }
        QCOMPARE(window.Announced(), QString("You O1, computer C8. I win: C8 to G8."));
        {
            ModalDriver messages;
            window.mnuEditHint_Click();
            QCOMPARE(messages.Texts, QStringList{"The game is over: there is no hint."});
        }
        const QPointF middle(CellCentreX(4), CellCentreY(7));
        QVERIFY(!window.Surface().WinningLine());
        QCOMPARE(WindowShot(window).AtTwips(middle.x(), middle.y()), CrossRed);

        const QImage kept = window.Surface().Image();
        option->trigger();
        const QLineF five(CellCentreX(2), CellCentreY(7), CellCentreX(6), CellCentreY(7));
        QCOMPARE(window.Surface().WinningLine(), five);
        QCOMPARE(WindowShot(window).AtTwips(middle.x(), middle.y()), Black);
        QCOMPARE(window.Surface().Image(), kept);

        window.mnuEditUndo_Click();
        QVERIFY(!window.Surface().WinningLine());
        window.mnuEditRedo_Click();
        QCOMPARE(window.Surface().WinningLine(), five);
        window.mnuFileNew_Click();
        QVERIFY(!window.Surface().WinningLine());
    }
};

QTEST_MAIN(MainWindowDrawingTest)
#include "MainWindowDrawingTest.moc"
