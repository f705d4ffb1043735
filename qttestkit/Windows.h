#pragma once

// What the Qt tests drive windows with, on the offscreen platform as under Xvfb. Nothing here
// ends the test program: a helper that cannot do its part returns so, for the test to fail on.

#include <QApplication>
#include <QDialog>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
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
[[nodiscard]] inline bool ShowActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitFor([&window] { return IsActive(window); }, 2000);
}

// Shows a window just made and waits until it is active; when it never becomes active, deletes it
// and gives null.
[[nodiscard]] inline QPointer<QWidget> OpenActive(QWidget* window) {
    if (ShowActive(*window))
        return window;
    delete window;
    return nullptr;
}

// A key typed by the person: it goes to the widget that has the keyboard focus.
inline void Type(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
}

// The window has gone once its deferred deletion has run.
[[nodiscard]] inline bool WaitUntilDeleted(const QPointer<QWidget>& widget) {
    return QTest::qWaitFor([&widget] { return widget.isNull(); }, 2000);
}

// While it lives, acts on the modal dialogs that a blocking call shows (message boxes, file and
// printer dialogs, the program's own), once on each showing, as soon as it is shown and active:
// records its title and, for a message box, its text, then runs the action, which by default closes
// it as Esc would. With a limit it stops after that many dialogs. Scoped to one test, so no stale
// timer reaches the next test's dialog.
class ModalDriver {
public:
    using Action = std::function<void(QDialog&)>;
    static constexpr int NoLimit = -1;

    explicit ModalDriver(
        Action act = [](QDialog& dialog) { dialog.reject(); }, int limit = NoLimit)
        : act_(std::move(act)), limit_(limit) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(10);
    }
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    // How many dialogs it acted on.
    int Acted() const { return acted_; }

    QStringList Titles;
    QStringList Texts;
    // Whether each message box had exactly one button, OK, and no icon.
    QList<bool> PlainOk;

private:
    void Poll() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || dialog == last_ || !IsActive(*dialog))
            return;
        last_ = dialog;
        // A dialog shown again (the file dialog is kept between uses) is a new showing.
        QObject::connect(
            dialog, &QDialog::finished, &timer_, [this] { last_ = nullptr; },
            Qt::SingleShotConnection);
        if (++acted_ == limit_)
            timer_.stop();
        Titles.append(dialog->windowTitle());
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            Texts.append(box->text());
            PlainOk.append(box->buttons().size() == 1 &&
                           box->standardButtons() == QMessageBox::Ok &&
                           box->icon() == QMessageBox::NoIcon);
        }
        act_(*dialog);
    }

    Action act_;
    int limit_;
    int acted_ = 0;
    QTimer timer_;
    QPointer<QDialog> last_;
};

} // namespace pentavo::test
