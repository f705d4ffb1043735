#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

class QFileDialog;
class QWidget;

namespace pentavo {

// The main window's file dialog. It keeps the chosen file name from one use to the next and
// offers it as the initial name; a cancelled use clears it.
class CommonDialog {
public:
    enum class Form { Save, Open };

    CommonDialog() = default;
    ~CommonDialog();
    CommonDialog(const CommonDialog&) = delete;
    CommonDialog& operator=(const CommonDialog&) = delete;

    // Shows the dialog modally over `owner`; the chosen path, or nothing when the person cancelled.
    // A save never asks before replacing a file and an open accepts a name that does not exist.
    std::optional<QString> Show(Form form, QWidget* owner);

    QString FileName;
    QString DialogTitle;
    // Pairs of description and pattern separated by '|': "All Files (*.pnv)|*.pnv".
    QString Filter;

    // Stands in for the dialog (tests): given the dialog as set up and the form, returns what
    // the person would have chosen.
    std::function<std::optional<QString>(const CommonDialog&, Form)> Chooser;

private:
    std::optional<QString> Run(Form form, QWidget* owner);

    // One dialog for each form, kept from use to use: each new Qt file dialog that is shown keeps
    // some memory for good (about 17 KiB a time with Qt 6.4), and turning one dialog from save to
    // open makes new buttons whose icons Qt caches anew every time; a long session of saves and
    // opens would pile up either way.
    std::array<QPointer<QFileDialog>, 2> files_;
    // The folder either dialog showed last.
    QString folder_;
};

// The filter in the dialog's own terms: one entry per pair, shown as its description, which gets
// the pattern appended in parentheses unless it already ends with it.
QStringList NameFilters(const QString& filter);

} // namespace pentavo
