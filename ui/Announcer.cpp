#include "ui/Announcer.h"

#include "ui/Accessibility.h"

namespace pentavo {

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    InstallAccessibility();
    setObjectName("Announcer");
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // One pixel that paints nothing: readers skip objects of no size, people see nothing.
    setGeometry(0, 0, 1, 1);
}

void Announcer::Say(const QString& sentence) {
    hide();
    setAccessibleName(sentence);
    show();
}

} // namespace pentavo
