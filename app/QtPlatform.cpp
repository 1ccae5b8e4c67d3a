#include "app/QtPlatform.h"

#include "app/TitleFit.h"
#include "core/Messages.h"
#include "print/PrintPreview.h"
#include "render/CardSheet.h"

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPluginLoader>
#include <QTime>
#include <QUrl>

namespace {

// Loaded on the first print and kept for the session (the loader leaves the
// module loaded). Looked for in Qt's library paths, which begin with the
// program's own folder (the build tree, Windows), then where an installed
// program's modules are.
PrintPreview *printPreview(QString *why)
{
    static PrintPreview *loaded = nullptr;
    if (loaded)
        return loaded;
    const QString name = QStringLiteral("velmora_print");
    const QStringList candidates{
        name, QCoreApplication::applicationDirPath() + QStringLiteral("/" VELMORA_MODULES_FROM_PROGRAM "/") + name};
    for (const QString &candidate : candidates) {
        QPluginLoader loader(candidate);
        loaded = qobject_cast<PrintPreview *>(loader.instance());
        if (loaded)
            return loaded;
        *why = loader.errorString();
    }
    return nullptr;
}

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

bool QtPlatform::print(QWidget *owner, const QString &title, const QString &pdfPath, const PrintPaint &paint)
{
    QString why;
    PrintPreview *preview = printPreview(&why);
    if (!preview) {
        message(Messages::printingUnavailable(why), applicationTitle(), Icon::Critical);
        return false;
    }
    PrintPreview::Job job;
    job.title = title;
    job.creator = applicationTitle();
    job.pdfPath = pdfPath;
    // Without a printer of its own choice the paper is the locale's.
    job.paper = CardSheet::localePaper();
    job.askPdfPath = [this](QWidget *dialogOwner, const QString &caption, const QString &suggested) {
        return saveFileName(dialogOwner, caption, suggested, QStringLiteral("*.pdf"), nullptr);
    };
    return preview->run(owner, job, paint);
}

float QtPlatform::secondsSinceMidnight()
{
    return float(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
}

void QtPlatform::yield()
{
    QCoreApplication::processEvents();
}
