#pragma once

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>

namespace pentavo::testing {

// While it lives, acts once on every showing of a modal dialog (a message box, a file dialog):
// records its title and, for a message box, its text, then runs the action, which by default
// closes it. Scoped to one test, so no stale timer reaches the next test's dialog.
class ModalCloser {
public:
    using Action = std::function<void(QDialog&)>;

    explicit ModalCloser(Action act = [](QDialog& dialog) { dialog.reject(); })
        : act_(std::move(act)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(10);
    }

    QStringList Titles;
    QStringList Texts;
    // Whether each message box had exactly one button, OK, and no icon.
    QList<bool> PlainOk;

private:
    void Poll() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || dialog == last_ || !dialog->isVisible() ||
            !dialog->isActiveWindow())
            return;
        last_ = dialog;
        // A dialog shown again (the file dialog is kept between uses) is a new showing.
        QObject::connect(
            dialog, &QDialog::finished, &timer_, [this] { last_ = nullptr; },
            Qt::SingleShotConnection);
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
    QTimer timer_;
    QPointer<QDialog> last_;
};

} // namespace pentavo::testing
