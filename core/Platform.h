#pragma once

#include <QString>
#include <functional>

class QPagedPaintDevice;
class QPainter;
class QWidget;
class QUrl;

// What the program asks of the desktop that a test cannot observe: modal
// messages and Yes/No questions, the folder browser, the save dialog, the
// print dialog, the web browser, the clock and one turn of the event queue.
// The program installs the real one in main(); tests install a recording fake
// (tests/support/FakePlatform.h).
class Platform
{
public:
    enum class Icon { None, Warning, Critical };

    virtual ~Platform() = default;

    // A modal box with one OK button; returns once the user has closed it.
    virtual void message(const QString &text, const QString &title, Icon icon) = 0;
    // The same box with a check box labelled option, unticked; true when the
    // user ticked it before closing.
    virtual bool messageWithOption(const QString &text, const QString &title, Icon icon, const QString &option) = 0;
    // A modal warning with Yes and No, No the default; true for Yes.
    virtual bool question(const QString &text, const QString &title) = 0;
    // The chosen folder's path in native separators, or an empty text on cancel.
    virtual QString browseFolder(QWidget *owner, const QString &prompt, const QString &startFolder) = 0;
    // Hands the address to the desktop; false when nothing took it (no file
    // manager or browser is set up).
    virtual bool openUrl(const QUrl &url) = 0;
    // The save dialog: the chosen path, or an empty text on cancel; filters
    // as QFileDialog takes them, selectedFilter in and out.
    virtual QString saveFileName(QWidget *owner, const QString &caption, const QString &suggestedPath,
                                 const QString &filters, QString *selectedFilter) = 0;
    // The print dialog with its preview of the pages: paint draws them with
    // a painter begun on the device (the preview's or the printer's); it may
    // run several times, and returns false when the user cancelled it (the
    // printer then takes back what it can). Printing to a file (where
    // there is no printer) offers pdfPath as the file's name. Returns whether
    // the pages went to a printer.
    using PrintPaint = std::function<bool(QPainter &painter, QPagedPaintDevice &device)>;
    virtual bool print(QWidget *owner, const QString &title, const QString &pdfPath, const PrintPaint &paint) = 0;
    // Seconds since midnight, keeping the fraction of a second.
    virtual float secondsSinceMidnight() = 0;
    // Lets pending events (repaints, input, other handlers) run once.
    virtual void yield() = 0;

    static Platform &current();
    // Installs a platform and returns the previous one; not owned.
    static Platform *install(Platform *platform);
};

// The application's title, used by every message box that has none of its own.
inline QString applicationTitle()
{
    return QStringLiteral("Velmora");
}
