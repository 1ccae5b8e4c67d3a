#include "app/QtPlatform.h"

#include "render/CardSheet.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSpacerItem>
#include <QStyle>
#include <QTime>
#include <QUrl>

void QtPlatform::message(const QString &text, const QString &title, Icon icon)
{
    QMessageBox::Icon boxIcon = QMessageBox::NoIcon;
    switch (icon) {
    case Icon::None: boxIcon = QMessageBox::NoIcon; break;
    case Icon::Warning: boxIcon = QMessageBox::Warning; break;
    case Icon::Critical: boxIcon = QMessageBox::Critical; break;
    }
    QMessageBox box(boxIcon, title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("velmoraMessageBox"));
    // The one button both confirms and cancels: Escape closes the box too.
    box.setEscapeButton(QMessageBox::Ok);
    fitTitle(box);
    box.exec();
}

bool QtPlatform::question(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("velmoraQuestionBox"));
    // Replacing a file cannot be undone: Enter and Escape both keep it.
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    fitTitle(box);
    return box.exec() == QMessageBox::Yes;
}

int QtPlatform::widthForTitle(const QString &title, const QWidget *window)
{
    // Qt leaves room for the title only in the box's own font and 50 pixels
    // beside it; window managers draw it bold, often larger, next to an icon
    // and buttons, and cut it short ("Ve...ra") when that does not fit.
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const QFontMetrics metrics(font);
    const QStyle *style = window ? window->style() : QApplication::style();
    const int button = qMax(style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window),
                            metrics.height() + 8);
    const int frame = 2 * qMax(style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, window), 8);
    return metrics.horizontalAdvance(title) + 4 * button + frame;
}

void QtPlatform::fitTitle(QMessageBox &box)
{
    // The box sizes itself from its layout's minimum each time it is shown,
    // so the width goes into the layout: a spacer under the rest, as wide as
    // the title needs and of no height.
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    if (!grid)
        return;
    const int width = widthForTitle(box.windowTitle(), &box) - 2 * grid->contentsMargins().left();
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0,
                  1, qMax(1, grid->columnCount()));
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

bool QtPlatform::print(QWidget *owner, const QString &title,
                       const std::function<void(QPagedPaintDevice &device)> &paint)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    // Without a printer of its own choice the paper is the locale's.
    if (printer.printerName().isEmpty())
        printer.setPageSize(CardSheet::localePaper());
    QPrintPreviewDialog dialog(&printer, owner);
    dialog.setWindowTitle(title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter *target) { paint(*target); });
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
