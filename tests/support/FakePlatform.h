#pragma once

#include "core/Platform.h"

#include <QList>
#include <QPageRanges>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

// Records what the program asks of the desktop and answers from a script.
// Installed for its lifetime; the previous platform comes back afterwards.
class FakePlatform final : public Platform
{
public:
    struct Message {
        QString text;
        QString title;
        Icon icon;
    };

    FakePlatform();
    ~FakePlatform() override;

    void message(const QString &text, const QString &title, Icon icon) override;
    // Never ticked: the ticked path is tested through the real box.
    bool messageWithOption(const QString &text, const QString &title, Icon icon, const QString &) override
    {
        message(text, title, icon);
        return false;
    }
    bool question(const QString &text, const QString &) override
    {
        questions.append(text);
        return !questionAnswers.isEmpty() && questionAnswers.takeFirst();
    }
    QString browseFolder(QWidget *owner, const QString &prompt, const QString &startFolder) override;
    bool openUrl(const QUrl &url) override;
    QString saveFileName(QWidget *owner, const QString &caption, const QString &suggestedPath,
                         const QString &filters, QString *selectedFilter) override;
    bool print(QWidget *owner, const QString &title, const QString &pdfPath, const PrintPaint &paint) override;
    float secondsSinceMidnight() override;
    void yield() override;

    QList<Message> messages;
    QList<QUrl> openedUrls;
    bool opensUrls = true; // false: as a desktop without a file manager
    QStringList questions;
    QList<bool> questionAnswers; // one per question; none left: No
    QStringList browsePrompts;
    QStringList browseStarts;

    // Answers for browseFolder, one per call; empty means "cancel".
    QStringList browseAnswers;
    // What the save dialog was offered (suggested path, filters), and its
    // answers, one per call: a path and the filter "chosen"; empty path: cancel.
    QStringList saveSuggestions;
    QStringList saveFilters;
    QList<QPair<QString, QString>> saveAnswers;
    // The print dialog: its titles, and whether it "prints"; when it does, the
    // pages (those of printRanges, if any are chosen) go to a PDF on A4
    // (printed) of printedPages pages.
    QStringList printTitles;
    QStringList printPdfPaths;
    bool printAnswer = true;
    QPageRanges printRanges;
    QByteArray printed;
    int printedPages = 0;
    float clock = 43200.0f;
    float clockStep = 0; // added to the clock before each reading: time passing
    // Runs inside each yield (after the real event queue turn when processEvents is set).
    std::function<void()> onYield;
    // Runs inside each message, before it returns (the user "reading" the box).
    std::function<void(const Message &)> onMessage;
    bool processEvents = true;
    int yields = 0;

private:
    Platform *m_previous = nullptr;
};
