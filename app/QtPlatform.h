#pragma once

#include "core/Platform.h"

class QMessageBox;

// The real desktop: QMessageBox, QFileDialog, QPrintPreviewDialog,
// QDesktopServices, QTime and the application's event loop.
class QtPlatform final : public Platform
{
public:
    void message(const QString &text, const QString &title, Icon icon) override;
    bool question(const QString &text, const QString &title) override;
    QString browseFolder(QWidget *owner, const QString &prompt, const QString &startFolder) override;
    bool openUrl(const QUrl &url) override;
    QString saveFileName(QWidget *owner, const QString &caption, const QString &suggestedPath,
                         const QString &filters, QString *selectedFilter) override;
    bool print(QWidget *owner, const QString &title,
               const std::function<void(QPagedPaintDevice &device)> &paint) override;
    float secondsSinceMidnight() override;
    void yield() override;

    // The width a window needs for the window manager to show its whole title:
    // the title in the title bar's bold font, with room beside it for the
    // window icon and three title-bar buttons, and the frame's edges.
    static int widthForTitle(const QString &title, const QWidget *window);

    // Makes a message box at least that wide; its text, icon and buttons stay.
    static void fitTitle(QMessageBox &box);
};
