#pragma once

#include "core/Version.h"

#include <QWidget>

class QLabel;

namespace pentavo {

// The start-up window: the product's name, version and picture while the main window loads. The
// person cannot close it; the program unloads it.
class frmSplash : public QWidget {
    Q_OBJECT

public:
    explicit frmSplash(VersionNumbers version = ProgramVersion);

    // Shows the window and paints it before returning, for work that handles no events. A window
    // manager maps a window in its own time, and one painted before that shows nothing until the
    // event loop runs: so this waits, at most `limitMs`, until the window is exposed.
    void ShowPainted(int limitMs = 500);

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_Load();

    VersionNumbers Version;
    QLabel* lblProductName = nullptr;
    QLabel* lblPlatform = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblCopyright = nullptr;
    QLabel* lblCompany = nullptr;
};

} // namespace pentavo
