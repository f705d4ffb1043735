#include "forms/LoadedForms.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace pentavo {

namespace {

QList<QWidget*>& Forms() {
    // cppcheck-suppress unassignedVariable ; starts empty, filled through the reference
    static QList<QWidget*> forms;
    return forms;
}

} // namespace

void RegisterLoadedForm(QWidget* form) {
    if (form == nullptr || Forms().contains(form)) {
        return;
    }
    Forms().append(form);
    QObject::connect(form, &QObject::destroyed, [form] { Forms().removeAll(form); });
}

QList<QWidget*> LoadedForms() {
    return Forms();
}

void UnloadForm(QWidget* form) {
    const QPointer<QWidget> alive(form);
    if (form == nullptr || !form->close()) {
        return;
    }
    Forms().removeAll(form); // unloaded now, even while its deletion waits
    if (!alive.isNull()) {
        alive->deleteLater();
    }
}

} // namespace pentavo
