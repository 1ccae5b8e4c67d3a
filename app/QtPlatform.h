#pragma once

#include "core/Platform.h"

// The real desktop: QMessageBox, QFileDialog, the print module's preview
// (print/), QDesktopServices, QTime and the application's event loop.
class QtPlatform final : public Platform
{
public:
    void message(const QString &text, const QString &title, Icon icon) override;
    bool messageWithOption(const QString &text, const QString &title, Icon icon, const QString &option) override;
    bool question(const QString &text, const QString &title) override;
    QString browseFolder(QWidget *owner, const QString &prompt, const QString &startFolder) override;
    bool openUrl(const QUrl &url) override;
    QString saveFileName(QWidget *owner, const QString &caption, const QString &suggestedPath,
                         const QString &filters, QString *selectedFilter) override;
    bool print(QWidget *owner, const QString &title, const QString &pdfPath, const PrintPaint &paint) override;
    float secondsSinceMidnight() override;
    void yield() override;
};
