#pragma once

#include "core/Platform.h"

// The real desktop: QMessageBox, QFileDialog, QDesktopServices, QTime and the
// application's event loop.
class QtPlatform final : public Platform
{
public:
    void message(const QString &text, const QString &title, Icon icon) override;
    QString browseFolder(QWidget *owner, const QString &prompt, const QString &startFolder) override;
    void openUrl(const QUrl &url) override;
    QString saveFileName(QWidget *owner, const QString &caption, const QString &suggestedPath,
                         const QString &filters, QString *selectedFilter) override;
    float secondsSinceMidnight() override;
    void yield() override;
};
