#include "ui/PrintService.h"

#include "core/Version.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include <cups/cups.h>

#include <memory>

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

// Hands a finished PDF to the print server for the queue `printer` ("queue" or "queue/instance",
// with the instance's own defaults); false when the server refuses or cannot be reached.
bool SubmitJob(const QString& printer, const QString& pdf) {
    const qsizetype slash = printer.indexOf('/');
    const QByteArray queue = printer.left(slash).toLocal8Bit();
    const QByteArray instance = slash < 0 ? QByteArray() : printer.mid(slash + 1).toLocal8Bit();
    const std::unique_ptr<cups_dest_t, void (*)(cups_dest_t*)> dest(
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.constData(),
                         instance.isEmpty() ? nullptr : instance.constData()),
        [](cups_dest_t* d) { cupsFreeDests(1, d); });
    if (!dest)
        return false;
    return cupsPrintFile(dest->name, QFile::encodeName(pdf).constData(), AppTitle,
                         dest->num_options, dest->options) != 0;
}

} // namespace

bool PrintService::PrintImage(const QImage& image) {
    const QPrinterInfo info = CurrentPrinter();
    // Without a printer QPrinter quietly turns into a PDF writer with no file.
    if (info.isNull() || image.isNull())
        return false;
    // The page is made here and handed to the server by us: Qt's own hand-over drops the server's
    // answer, so a queue that refuses the job would pass for a print that worked.
    const QTemporaryDir folder;
    if (!folder.isValid())
        return false;
    const QString pdf = folder.filePath("page.pdf");
    QPrinter printer(info, QPrinter::HighResolution);
    const QPageLayout layout =
        printer.pageLayout(); // the queue's paper, lost when the format changes
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageLayout(layout);
    printer.setDocName(AppTitle);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect page = painter.viewport();
    QSize size = image.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(page.topLeft(), size), image);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return false;
    return SubmitJob(info.printerName(), pdf);
}

void PrintService::ShowPrinterDialog(QWidget* owner, const QString& title) {
    QPrinter printer;
    QPrintDialog dialog(&printer, owner);
    dialog.setWindowTitle(title);
    dialog.exec();
}

} // namespace pentavo
