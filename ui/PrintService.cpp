#include "ui/PrintService.h"

#include "core/Version.h"

#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace pentavo {

namespace {

// The system's default printer, or the first one when none is marked as default.
QPrinterInfo CurrentPrinter() {
    const QPrinterInfo chosen = QPrinterInfo::defaultPrinter();
    if (!chosen.isNull())
        return chosen;
    const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
    return printers.isEmpty() ? QPrinterInfo() : printers.constFirst();
}

} // namespace

bool PrintService::PrintImage(const QImage& image) {
    const QPrinterInfo info = CurrentPrinter();
    // Without a printer QPrinter quietly turns into a PDF writer with no file.
    if (info.isNull() || image.isNull())
        return false;
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(AppTitle);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect page = painter.viewport();
    QSize size = image.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(page.topLeft(), size), image);
    return painter.end() && printer.printerState() != QPrinter::Error;
}

void PrintService::ShowPrinterDialog(QWidget* owner, const QString& title) {
    QPrinter printer;
    QPrintDialog dialog(&printer, owner);
    dialog.setWindowTitle(title);
    dialog.exec();
}

} // namespace pentavo
