#include "ui/PrintService.h"

#include "core/Version.h"

#include <QFile>
#include <QImage>
#include <QLibrary>
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

// The print server's library, loaded on the first print rather than at start: it and what it
// pulls in (TLS, Kerberos, service discovery) cost about 4 ms of the start-up and 3.3 MiB.
struct CupsCalls {
    decltype(&cupsGetNamedDest) getNamedDest = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;
    decltype(&cupsPrintFile) printFile = nullptr;
};

// Null when the library or one of its calls cannot be found.
const CupsCalls* Cups() {
    static const CupsCalls calls = [] {
        CupsCalls found;
        QLibrary library("cups", 2);
        if (!library.load())
            return found;
        found.getNamedDest =
            reinterpret_cast<decltype(&cupsGetNamedDest)>(library.resolve("cupsGetNamedDest"));
        found.freeDests =
            reinterpret_cast<decltype(&cupsFreeDests)>(library.resolve("cupsFreeDests"));
        found.printFile =
            reinterpret_cast<decltype(&cupsPrintFile)>(library.resolve("cupsPrintFile"));
        return found;
    }();
    return calls.getNamedDest && calls.freeDests && calls.printFile ? &calls : nullptr;
}

// Whatever failed, the person is told only that the window was not printed.
Outcome NotPrinted() {
    //: Printing failed; "the form" is the main window with the board.
    return Outcome::Failed(Sentence(QT_TRANSLATE_NOOP("Outcome", "The form can't be printed.")));
}

// Hands a finished PDF to the print server for the queue `printer` ("queue" or "queue/instance",
// with the instance's own defaults); failed when the server refuses or cannot be reached.
Outcome SubmitJob(const QString& printer, const QString& pdf) {
    const CupsCalls* cups = Cups();
    if (cups == nullptr)
        return NotPrinted();
    const qsizetype slash = printer.indexOf('/');
    const QByteArray queue = printer.left(slash).toLocal8Bit();
    const QByteArray instance = slash < 0 ? QByteArray() : printer.mid(slash + 1).toLocal8Bit();
    const auto freeDest = [cups](cups_dest_t* d) { cups->freeDests(1, d); };
    const std::unique_ptr<cups_dest_t, decltype(freeDest)> dest(
        cups->getNamedDest(CUPS_HTTP_DEFAULT, queue.constData(),
                           instance.isEmpty() ? nullptr : instance.constData()),
        freeDest);
    if (!dest)
        return NotPrinted();
    const int job = cups->printFile(dest->name, QFile::encodeName(pdf).constData(), AppTitle,
                                    dest->num_options, dest->options);
    return job != 0 ? Outcome::Done() : NotPrinted();
}

} // namespace

Outcome PrintService::PrintImage(const QImage& image) {
    const QPrinterInfo info = CurrentPrinter();
    // Without a printer QPrinter quietly turns into a PDF writer with no file.
    if (info.isNull() || image.isNull())
        return NotPrinted();
    // The page is made here and handed to the server by us: Qt's own hand-over drops the server's
    // answer, so a queue that refuses the job would pass for a print that worked.
    const QTemporaryDir folder;
    if (!folder.isValid())
        return NotPrinted();
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
        return NotPrinted();
    const QRect page = painter.viewport();
    QSize size = image.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(page.topLeft(), size), image);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return NotPrinted();
    return SubmitJob(info.printerName(), pdf);
}

void PrintService::ShowPrinterDialog(QWidget* owner, const QString& title) {
    QPrinter printer;
    QPrintDialog dialog(&printer, owner);
    dialog.setWindowTitle(title);
    dialog.exec();
}

} // namespace pentavo
