#pragma once

#include <QWidget>

namespace pentavo {

// Makes screen readers speak a sentence at once, wherever the focus is. Readers speak a changed
// name only of the focused object, but they speak a notification whenever one is shown: so the
// sentence becomes the name of this invisible notification, which is shown anew each time.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    void Say(const QString& sentence);
};

} // namespace pentavo
