#include "app/QtPlatform.h"

#include "app/TitleFit.h"
#include "render/CardSheet.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTime>
#include <QUrl>

namespace {

QMessageBox::Icon boxIcon(Platform::Icon icon)
{
    switch (icon) {
    case Platform::Icon::None: return QMessageBox::NoIcon;
    case Platform::Icon::Warning: return QMessageBox::Warning;
    case Platform::Icon::Critical: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void QtPlatform::message(const QString &text, const QString &title, Icon icon)
{
    messageWithOption(text, title, icon, QString());
}

bool QtPlatform::messageWithOption(const QString &text, const QString &title, Icon icon, const QString &option)
{
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("velmoraMessageBox"));
    // The one button both confirms and cancels: Escape closes the box too.
    box.setEscapeButton(QMessageBox::Ok);
    if (!option.isEmpty())
        box.setCheckBox(new QCheckBox(option, &box));
    TitleFit::fitTitle(box);
    box.exec();
    return box.checkBox() && box.checkBox()->isChecked();
}

bool QtPlatform::question(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("velmoraQuestionBox"));
    // Replacing a file cannot be undone: Enter and Escape both keep it.
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    TitleFit::fitTitle(box);
    return box.exec() == QMessageBox::Yes;
}

QString QtPlatform::browseFolder(QWidget *owner, const QString &prompt, const QString &startFolder)
{
    const QString chosen = QFileDialog::getExistingDirectory(owner, prompt, startFolder,
                                                             QFileDialog::ShowDirsOnly);
    return chosen.isEmpty() ? QString() : QDir::toNativeSeparators(chosen);
}

bool QtPlatform::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

QString QtPlatform::saveFileName(QWidget *owner, const QString &caption, const QString &suggestedPath,
                                 const QString &filters, QString *selectedFilter)
{
    return QFileDialog::getSaveFileName(owner, caption, suggestedPath, filters, selectedFilter);
}

bool QtPlatform::print(QWidget *owner, const QString &title, const QString &pdfPath,
                       const std::function<void(QPagedPaintDevice &device)> &paint)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    printer.setCreator(applicationTitle()); // as every PDF we write names us
    // Without a printer of its own choice the paper is the locale's.
    if (printer.printerName().isEmpty())
        printer.setPageSize(CardSheet::localePaper());
    // No printer at all: the pages go to a PDF, offered under the name the
    // export offers. (A name would turn a real printer into a file.)
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat && !pdfPath.isEmpty();
    if (toFile)
        printer.setOutputFileName(pdfPath);
    QPrintPreviewDialog dialog(&printer, owner);
    dialog.setWindowTitle(title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter *target) { paint(*target); });
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
                    const QString chosen = saveFileName(
                        &dialog, QCoreApplication::translate(previewContext, "Export to PDF"),
                        printer.outputFileName(), QStringLiteral("*.pdf"), nullptr);
                    if (chosen.isEmpty())
                        return;
                    printer.setOutputFileName(QFileInfo(chosen).suffix().isEmpty() ? chosen + QStringLiteral(".pdf")
                                                                                   : chosen);
                    paint(printer);
                    dialog.accept();
                });
            }
#endif
        }
    }
    return dialog.exec() == QDialog::Accepted;
}

float QtPlatform::secondsSinceMidnight()
{
    return float(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
}

void QtPlatform::yield()
{
    QCoreApplication::processEvents();
}
