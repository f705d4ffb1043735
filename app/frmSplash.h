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
