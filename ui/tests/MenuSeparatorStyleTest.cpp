#include "ui/MenuSeparatorStyle.h"

#include <QMenu>
#include <QTest>
#include <QToolBar>

using namespace pentavo;

namespace {

QImage MenuWithSeparator(const QString& separatorCaption, QStyle* style) {
    QMenu menu;
    if (style != nullptr)
        menu.setStyle(style);
    menu.addAction("&New");
    menu.addSeparator()->setText(separatorCaption);
    menu.addAction("E&xit");
    menu.adjustSize();
    return menu.grab().toImage();
}

// A toolbar of two buttons with a pair of separators between them: the pixels between the
// buttons, and how far apart they are.
struct ToolBarGap {
    QImage pixels;
    int width = 0;
};

ToolBarGap PairedSeparators(QStyle* style) {
    QToolBar bar;
    bar.setIconSize(QSize(16, 16));
    QPixmap icon(16, 16);
    icon.fill(Qt::darkBlue);
    QAction* left = bar.addAction(QIcon(icon), "Left");
    for (int i = 0; i < 2; ++i) {
        QAction* separator = bar.addSeparator();
        if (style != nullptr)
            bar.widgetForAction(separator)->setStyle(style);
    }
    QAction* right = bar.addAction(QIcon(icon), "Right");
    bar.adjustSize();
    const QImage image = bar.grab().toImage();
    const int from = bar.widgetForAction(left)->geometry().right() + 1;
    const int to = bar.widgetForAction(right)->geometry().left();
    return {image.copy(from, 0, to - from, image.height()), to - from};
}

} // namespace

class MenuSeparatorStyleTest : public QObject {
    Q_OBJECT

private slots:
    void aSeparatorsCaptionIsNotShown() {
        MenuSeparatorStyle style;
        QCOMPARE(MenuWithSeparator("-", &style), MenuWithSeparator("", &style));
        // The application's own style would show it.
        QVERIFY(MenuWithSeparator("-", nullptr) != MenuWithSeparator("", nullptr));
    }

    void aPairOfToolbarSeparatorsIsOneBlankGapOfTheSameWidth() {
        MenuSeparatorStyle style;
        const ToolBarGap plain = PairedSeparators(&style);
        const ToolBarGap usual = PairedSeparators(nullptr);
        QCOMPARE(plain.width, usual.width);
        QVERIFY(plain.width > 0);
        const QRgb background = plain.pixels.pixel(0, plain.pixels.height() / 2);
        for (int x = 0; x < plain.pixels.width(); ++x)
            QCOMPARE(plain.pixels.pixel(x, plain.pixels.height() / 2), background);
        // The application's own style draws bars there.
        bool bars = false;
        for (int x = 0; x < usual.pixels.width(); ++x)
            bars = bars || usual.pixels.pixel(x, usual.pixels.height() / 2) != background;
        QVERIFY(bars);
    }
};

QTEST_MAIN(MenuSeparatorStyleTest)
#include "MenuSeparatorStyleTest.moc"
