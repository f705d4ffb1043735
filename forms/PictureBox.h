#pragma once

#include <QFrame>
#include <QIcon>

namespace pentavo {

// A sunken box showing one picture centred, at its natural size when it fits and scaled down
// otherwise, never stretched: the picture's sharper version is chosen on high-density screens. A
// missing picture shows an empty box.
class PictureBox : public QFrame {
public:
    PictureBox(const QString& resource, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QIcon picture;
};

} // namespace pentavo
