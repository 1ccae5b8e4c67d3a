#include "tests/support/FakePlatform.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>

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

namespace {

// Counts the pages as the printer would see them start.
class CountingPdfWriter : public QPdfWriter
{
public:
    using QPdfWriter::QPdfWriter;
    bool newPage() override
    {
        ++pages;
        return QPdfWriter::newPage();
    }
    int pages = 1;
};

} // namespace

bool FakePlatform::print(QWidget *, const QString &title, const QString &pdfPath, const PrintPaint &paint)
{
    printTitles.append(title);
    printPdfPaths.append(pdfPath);
    if (!printAnswer)
        return false;
    printed.clear();
    QBuffer buffer(&printed);
    buffer.open(QIODevice::WriteOnly);
    CountingPdfWriter printer(&buffer);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageRanges(printRanges);
    {
        QPainter painter(&printer);
        paint(painter, printer);
    }
    printedPages = printer.pages;
    return true;
}

bool FakePlatform::openUrl(const QUrl &url)
{
    openedUrls.append(url);
    return opensUrls;
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
