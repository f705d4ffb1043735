#pragma once

#include "core/Outcome.h"

#include <QString>

class QImage;
class QWidget;

namespace pentavo {

// The printer, behind one small class so tests can stand in for it.
class PrintService {
public:
    virtual ~PrintService() = default;

    // Prints the picture on the current printer, scaled to fit the page; failed when there is no
    // printer or the job failed.
    virtual Outcome PrintImage(const QImage& image);

    // The printer dialog, modal over `owner`, with this title. Nothing is read back from it; a
    // cancel passes silently.
    virtual void ShowPrinterDialog(QWidget* owner, const QString& title);
};

} // namespace pentavo
