#pragma once

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

namespace pentavo::test {

// The window the person types into: isActiveWindow() also holds for a dialog whose owner is
// active, before the dialog itself has been activated.
inline bool IsActive(const QWidget& window) {
    return window.isVisible() && QApplication::activeWindow() == &window &&
           QApplication::focusWidget() != nullptr;
}

// Shows the window and waits until it is the active one.
inline bool ShowActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitFor([&window] { return IsActive(window); }, 2000);
}

// Acts once on the modal dialog that a blocking call is about to show, as soon as it is shown and
// active; stops with the actor, so a slow timer cannot reach the next test's dialog.
class ModalActor {
public:
    explicit ModalActor(std::function<void(QWidget&)> act) : act_(std::move(act)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || !IsActive(*modal)) {
                return;
            }
            timer_.stop();
            acted_ = true;
            act_(*modal);
        });
        timer_.start(10);
    }
    bool Acted() const { return acted_; }

private:
    std::function<void(QWidget&)> act_;
    QTimer timer_;
    bool acted_ = false;
};

// A key typed by the person: it goes to the widget that has the keyboard focus.
inline void Type(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
}

// The dialog has gone once its deferred deletion has run.
inline bool WaitUntilDeleted(const QPointer<QWidget>& widget) {
    return QTest::qWaitFor([&widget] { return widget.isNull(); }, 2000);
}

} // namespace pentavo::test
