#include "resources/pictures/Pictures.h"

#include "resources/pictures/IconSizes.h"

#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QTest>

namespace pentavo {

namespace {

// Every picture of the program that is not itself a sharper version.
QStringList PicturePaths() {
    QStringList paths;
    for (QDirIterator it(PicturePath(QString())); it.hasNext();) {
        const QString path = it.next();
        if (!path.contains('@'))
            paths.append(path);
    }
    paths.sort();
    return paths;
}

bool ImagePluginLoaded() {
    QFile maps("/proc/self/maps");
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

// What an icon shows: its sizes, and its picture for each at both densities.
void CompareIcons(const QIcon& actual, const QIcon& expected) {
    QCOMPARE(actual.availableSizes(), expected.availableSizes());
    for (const QSize& size : expected.availableSizes())
        for (const qreal ratio : {1.0, 2.0})
            QCOMPARE(actual.pixmap(size, ratio).toImage(), expected.pixmap(size, ratio).toImage());
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    // First, while nothing else has read a picture in this process.
    void readingThePicturesLoadsNoImagePlugin() {
        QVERIFY(PicturePaths().size() >= 10);
        for (const QString& path : PicturePaths())
            QVERIFY(!PictureIcon(path).isNull());
        QVERIFY(!ProgramIcon().isNull());
        QVERIFY(!ImagePluginLoaded());
    }

    void everyPictureShowsAsQIconShowsItsFile() {
        for (const QString& path : PicturePaths()) {
            CompareIcons(PictureIcon(path), QIcon(path));
            if (QTest::currentTestFailed())
                qWarning() << "in" << path << "at ratio" << qApp->devicePixelRatio();
        }
    }

    // On a dense screen two of its files have one pixel size: icon16@2x and icon32.
    void theProgramIconHoldsEverySizeAsQIconDoes() {
        QIcon expected;
        for (const int size : IconSizes)
            expected.addFile(PicturePath(QStringLiteral("icon%1.png").arg(size)));
        CompareIcons(ProgramIcon(), expected);
    }

    void aMissingPictureShowsNothing() {
        const QString missing = PicturePath("none.png");
        QVERIFY(PictureIcon(missing).availableSizes().isEmpty());
        QVERIFY(PictureIcon(missing).pixmap(16).isNull());
        QCOMPARE(PictureIcon(missing).isNull(), QIcon(missing).isNull());
    }
};

} // namespace pentavo

QTEST_MAIN(pentavo::PicturesTest)
#include "PicturesTest.moc"
