#include "print/PrintPreviewModule.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QKeySequence>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

bool PrintPreviewModule::run(QWidget *owner, const Job &job, const Paint &paint)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(job.title);
    printer.setCreator(job.creator);
    if (printer.printerName().isEmpty())
        printer.setPageSize(job.paper);
    // No printer at all: the pages go to a PDF, offered under the name the
    // export offers. (A name would turn a real printer into a file.)
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat && !job.pdfPath.isEmpty();
    if (toFile)
        printer.setOutputFileName(job.pdfPath);
    // Pages half sent are taken back where the printer allows it, before
    // the painter's end would send the rest.
    const auto paintOrAbort = [&paint](QPrinter &target) {
        QPainter painter;
        if (painter.begin(&target) && !paint(painter, target))
            target.abort();
    };
    QPrintPreviewDialog dialog(&printer, owner);
    dialog.setWindowTitle(job.title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paintOrAbort](QPrinter *target) { paintOrAbort(*target); });
    // The preview's toolbar buttons take no focus and its Print has no key, so
    // a keyboard user could not print from it: give it the platform's Print key.
    // Qt's own word, from Qt's catalogue: the context is named apart so that
    // our catalogues do not take it over.
    static const char previewContext[] = "QPrintPreviewDialog";
    const QString printText = QCoreApplication::translate(previewContext, "Print");
    for (QAction *action : dialog.findChildren<QAction *>()) {
        if (action->text() == printText && action->shortcut().isEmpty()) {
            action->setShortcut(QKeySequence::Print);
            action->setToolTip(QStringLiteral("%1 (%2)").arg(printText,
                QKeySequence(QKeySequence::Print).toString(QKeySequence::NativeText)));
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
            // Here the preview exports to a file itself, and writes the name
            // it was given even when its file dialog is cancelled: a Cards.pdf
            // already there would be lost. Ask here, and write only on a choice.
            if (toFile) {
                action->disconnect(&dialog);
                QObject::connect(action, &QAction::triggered, &dialog, [&] {
                    const QString chosen = job.askPdfPath(
                        &dialog, QCoreApplication::translate(previewContext, "Export to PDF"),
                        printer.outputFileName());
                    if (chosen.isEmpty())
                        return;
                    printer.setOutputFileName(QFileInfo(chosen).suffix().isEmpty() ? chosen + QStringLiteral(".pdf")
                                                                                   : chosen);
                    paintOrAbort(printer);
                    dialog.accept();
                });
            }
#endif
        }
    }
    return dialog.exec() == QDialog::Accepted;
}
