#include "ui/BoardDrawing.h"
#include "core/BoardGeometry.h"
#include "ui/DrawingSurface.h"

#include <QApplication>
#include <QTest>

using namespace pentavo;

namespace {

const QSize ClientSize(475, 504);

DrawSettings Unusual() {
    DrawSettings settings;
    settings.ForeColor = QColor(10, 20, 30);
    settings.FillColor = QColor(40, 50, 60);
    settings.FillStyle = FillStyle::Transparent;
    settings.DrawWidth = 7;
    settings.CurrentX = 11;
    settings.CurrentY = 12;
    return settings;
}

} // namespace

class BoardDrawingTest : public QObject {
    Q_OBJECT

private slots:
    void theForegroundStartsAsTheSystemTextColour() {
        DrawingSurface surface(ClientSize);
        QCOMPARE(surface.Settings().ForeColor, QApplication::palette().color(QPalette::WindowText));
        QCOMPARE(surface.Settings().FillStyle, FillStyle::Transparent);
        QCOMPARE(surface.Settings().DrawWidth, 1);
    }

    void drawCellLeavesAWhiteSolidFillAndWidthTwo() {
        DrawingSurface surface(ClientSize);
        surface.Settings() = Unusual();
        DrawCell(surface, 3, 4);
        DrawSettings expected = Unusual();
        expected.FillColor = QColor(255, 255, 255);
        expected.FillStyle = FillStyle::Solid;
        expected.DrawWidth = 2;
        // A box leaves the current position at its second corner.
        expected.CurrentX = CellLeft(3) + CellPitch;
        expected.CurrentY = CellTop(4) + CellPitch;
        QCOMPARE(surface.Settings(), expected);
    }

    void drawMarkRestoresColoursStyleAndWidth_data() {
        QTest::addColumn<int>("mark");
        QTest::newRow("erase") << 0;
        QTest::newRow("cross") << 1;
        QTest::newRow("circle") << 2;
    }
    void drawMarkRestoresColoursStyleAndWidth() {
        QFETCH(int, mark);
        DrawingSurface surface(ClientSize);
        surface.Settings() = Unusual();
        const QImage before = surface.Image().copy();
        DrawMark(surface, 5, 6, static_cast<std::int16_t>(mark));
        const DrawSettings after = surface.Settings();
        QCOMPARE(after.ForeColor, Unusual().ForeColor);
        QCOMPARE(after.FillColor, Unusual().FillColor);
        QCOMPARE(after.FillStyle, Unusual().FillStyle);
        QCOMPARE(after.DrawWidth, Unusual().DrawWidth);
        QVERIFY(surface.Image() != before);
    }

    void anUnknownMarkDrawsNothingAndChangesNothing() {
        DrawingSurface surface(ClientSize);
        surface.Settings() = Unusual();
        const QImage before = surface.Image().copy();
        DrawMark(surface, 5, 6, 3);
        DrawMark(surface, 5, 6, -1);
        QCOMPARE(surface.Settings(), Unusual());
        QCOMPARE(surface.Image(), before);
    }
};

QTEST_MAIN(BoardDrawingTest)
#include "BoardDrawingTest.moc"
