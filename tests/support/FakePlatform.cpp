#include "tests/support/FakePlatform.h"

#include <QCoreApplication>

FakePlatform::FakePlatform()
{
    m_previous = Platform::install(this);
}

FakePlatform::~FakePlatform()
{
    Platform::install(m_previous);
}

void FakePlatform::message(const QString &text, const QString &title, Icon icon)
{
    messages.append({text, title, icon});
    if (onMessage)
        onMessage(messages.last());
}

QString FakePlatform::browseFolder(QWidget *, const QString &prompt, const QString &startFolder)
{
    browsePrompts.append(prompt);
    browseStarts.append(startFolder);
    return browseAnswers.isEmpty() ? QString() : browseAnswers.takeFirst();
}

QString FakePlatform::saveFileName(QWidget *, const QString &, const QString &suggestedPath,
                                   const QString &filters, QString *selectedFilter)
{
    saveSuggestions.append(suggestedPath);
    saveFilters.append(filters);
    if (saveAnswers.isEmpty())
        return QString();
    const auto [path, filter] = saveAnswers.takeFirst();
    if (selectedFilter)
        *selectedFilter = filter;
    return path;
}

void FakePlatform::openUrl(const QUrl &url)
{
    openedUrls.append(url);
}

float FakePlatform::secondsSinceMidnight()
{
    clock += clockStep;
    return clock;
}

void FakePlatform::yield()
{
    ++yields;
    if (processEvents)
        QCoreApplication::processEvents();
    if (onYield)
        onYield();
}
