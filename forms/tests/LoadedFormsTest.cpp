#include "forms/LoadedForms.h"

#include <QCloseEvent>
#include <QPointer>
#include <QWidget>
#include <QtTest>

using pentavo::LoadedForms;
using pentavo::RegisterLoadedForm;
using pentavo::UnloadForm;

namespace {

class StubbornWindow : public QWidget {
protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

void ProcessDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class LoadedFormsTest : public QObject {
    Q_OBJECT

private slots:
    void keepsLoadOrderAndDropsDestroyedWindows();
    void unloadTakesTheWindowOffAtOnceAndDeletesItLater();
    void aWindowThatRefusesToCloseStaysLoaded();
};

void LoadedFormsTest::keepsLoadOrderAndDropsDestroyedWindows() {
    auto* first = new QWidget;
    auto* second = new QWidget;
    auto* third = new QWidget;
    RegisterLoadedForm(first);
    RegisterLoadedForm(second);
    RegisterLoadedForm(third);
    RegisterLoadedForm(first); // once only
    QCOMPARE(LoadedForms(), (QList<QWidget*>{first, second, third}));

    delete second;
    QCOMPARE(LoadedForms(), (QList<QWidget*>{first, third}));
    delete first;
    delete third;
    QVERIFY(LoadedForms().isEmpty());
}

void LoadedFormsTest::unloadTakesTheWindowOffAtOnceAndDeletesItLater() {
    auto* kept = new QWidget;
    auto* unloaded = new QWidget;
    RegisterLoadedForm(kept);
    RegisterLoadedForm(unloaded);
    unloaded->show();
    const QPointer<QWidget> watch(unloaded);

    UnloadForm(unloaded);
    QCOMPARE(LoadedForms(), QList<QWidget*>{kept});
    QVERIFY(watch); // still there until control is back in the event loop
    QVERIFY(!watch->isVisible());
    ProcessDeferredDeletes();
    QVERIFY(!watch);

    UnloadForm(kept);
    ProcessDeferredDeletes();
    QVERIFY(LoadedForms().isEmpty());
}

void LoadedFormsTest::aWindowThatRefusesToCloseStaysLoaded() {
    auto* stubborn = new StubbornWindow;
    RegisterLoadedForm(stubborn);
    const QPointer<QWidget> watch(stubborn);
    UnloadForm(stubborn);
    ProcessDeferredDeletes();
    QVERIFY(watch);
    QCOMPARE(LoadedForms(), QList<QWidget*>{stubborn});
    delete stubborn;
    QVERIFY(LoadedForms().isEmpty());
}

QTEST_MAIN(LoadedFormsTest)
#include "LoadedFormsTest.moc"
