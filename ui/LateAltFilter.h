#pragma once

#include <QObject>

class QMenuBar;

namespace pentavo {

// Keeps a menu opened by its access key (Alt+F) open while a screen reader runs. The toolkit then
// hands every key to the reader first and delivers it again once the reader lets it pass, while
// the access key takes effect at once: the Alt press that began Alt+F comes after the menu has
// opened, and a menu closes on Alt. That one late Alt press is dropped; any later Alt closes the
// menu as always.
class LateAltFilter : public QObject {
    Q_OBJECT

public:
    // Watches the bar and the menus it holds now.
    explicit LateAltFilter(QMenuBar* bar);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool altMayComeLate_ = false;
};

} // namespace pentavo
