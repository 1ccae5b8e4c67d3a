#pragma once

#include <QPageSize>
#include <QString>
#include <QtPlugin>

#include <functional>

class QPagedPaintDevice;
class QPainter;
class QWidget;

// The print dialog with its preview of the pages, in a module of its own that
// the program loads the first time the user prints: Qt's print support is a
// library of its own, and every start that loads it with the program pays
// about a third of a millisecond for a dialog most sessions never open
// (docs/benchmarks.md).
class PrintPreview
{
public:
    struct Job {
        QString title;   // the dialog's, and the document's name for the printer
        QString creator; // named in the PDF, as every PDF we write names us
        // Offered as the file's name where there is no printer and the pages
        // go to a PDF; empty: none offered.
        QString pdfPath;
        // The paper unless the printer has one of its own.
        QPageSize paper;
        // The save dialog, for where the preview asks for the PDF's name itself.
        std::function<QString(QWidget *owner, const QString &caption, const QString &suggested)> askPdfPath;
    };

    virtual ~PrintPreview() = default;
    // paint draws the pages with a painter begun on the device (the preview's
    // or the printer's) and may run several times; it returns false when the
    // user cancelled, and the pages are then taken back, while the painter is
    // still open, where the printer allows. Returns whether the pages went to
    // a printer.
    using Paint = std::function<bool(QPainter &painter, QPagedPaintDevice &device)>;
    virtual bool run(QWidget *owner, const Job &job, const Paint &paint) = 0;
};

#define VelmoraPrintPreview_iid "org.velmora.PrintPreview/1.0"
Q_DECLARE_INTERFACE(PrintPreview, VelmoraPrintPreview_iid)
