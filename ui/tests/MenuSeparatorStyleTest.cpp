#include "ui/MenuSeparatorStyle.h"

#include <QMenu>
#include <QTest>

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
};

QTEST_MAIN(MenuSeparatorStyleTest)
#include "MenuSeparatorStyleTest.moc"
