#include "app/QtPlatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
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
    box.exec();
}

QString QtPlatform::browseFolder(QWidget *owner, const QString &prompt, const QString &startFolder)
{
    const QString chosen = QFileDialog::getExistingDirectory(owner, prompt, startFolder,
                                                             QFileDialog::ShowDirsOnly);
    return chosen.isEmpty() ? QString() : QDir::toNativeSeparators(chosen);
}

void QtPlatform::openUrl(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

QString QtPlatform::saveFileName(QWidget *owner, const QString &caption, const QString &suggestedPath,
                                 const QString &filters, QString *selectedFilter)
{
    return QFileDialog::getSaveFileName(owner, caption, suggestedPath, filters, selectedFilter);
}

float QtPlatform::secondsSinceMidnight()
{
    return float(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
}

void QtPlatform::yield()
{
    QCoreApplication::processEvents();
}
