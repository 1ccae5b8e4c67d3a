#include "export/DeckExport.h"

#include "core/CardEntry.h"
#include "core/Failure.h"
#include "core/Messages.h"
#include "export/CardPaths.h"
#include "export/FileReplacer.h"

#include <QImageWriter>
#include <QThread>
#include <QThreadPool>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>

namespace DeckExport {

QList<Card> drawn(const QList<qint16> &numbers)
{
    QList<Card> cards;
    for (const qint16 number : numbers)
        cards.append({CardArt::face(number - 1), CardEntry::text(number), CardEntry::englishCardName(number),
                      CardEntry::textWithName(number), QImage()});
    return cards;
}

QList<Card> wholeDeck(bool jokers)
{
    QList<qint16> numbers;
    for (int number = 1; number <= CardEntry::DeckSize; ++number)
        numbers.append(qint16(number));
    QList<Card> cards = drawn(numbers);
    if (jokers)
        for (int i = 1; i <= 2; ++i) {
            // File names stay English, as a card's "Card N" does.
            const QString name = QStringLiteral("Joker %1").arg(i);
            cards.append({CardArt::joker(i == 1), name, i == 1 ? QStringLiteral("red joker") : QStringLiteral("black joker"),
                          Messages::jokerShown(name, i == 1), QImage()});
        }
    return cards;
}

namespace {

// The encoded files come back from the pool in any order and are taken in
// the order given; the pool gets new cards only as the oldest are taken, so
// no more than a few per thread are ever drawn, encoded or waiting.
class InOrder
{
public:
    void put(int index, QByteArray bytes)
    {
        {
            std::lock_guard lock(m_mutex);
            m_done.emplace(index, std::move(bytes));
        }
        m_ready.notify_all();
    }
    QByteArray take(int index)
    {
        std::unique_lock lock(m_mutex);
        m_ready.wait(lock, [&] { return m_done.contains(index); });
        return m_done.take(index);
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_ready;
    QHash<int, QByteArray> m_done;
};

Result writePdf(const Request &request, const Progress &progress)
{
    Result result;
    QList<CardArt> arts;
    for (const Card &card : request.cards)
        arts.append(card.art);
    QString path;
    try {
        path = CardPaths::cardFilePath(request.folder, request.pdfName, CardFile::extension(CardFile::Format::Pdf));
        const QByteArray bytes = CardFile::pdf(arts, request.print, request.pdfTitle, progress);
        if (progress.cancelled()) {
            result.cancelled = true;
            return result;
        }
        if (bytes.isEmpty())
            throw CardPaths::writeFailure(path, Messages::documentNotMade());
        CardFile::write(path, bytes);
    } catch (const Failure &failure) {
        result.failures.append(failure.description());
        return result;
    }
    for (int i = 0; i < request.cards.size(); ++i)
        result.written.append(i);
    return result;
}

} // namespace

Result run(const Request &request, const Progress &progress)
{
    if (request.format == CardFile::Format::Pdf)
        return writePdf(request, progress);

    Result result;
    const int count = int(request.cards.size());
    // Qt finds its image format plugins on first use, loading libraries: on
    // this thread, not a pool thread. Under Wine a library first loaded by a
    // pool thread held the program's exit for good.
    (void)QImageWriter::supportedImageFormats();
    const int threads = request.threads > 0 ? request.threads : qMax(1, QThread::idealThreadCount());
    QThreadPool pool;
    pool.setMaxThreadCount(threads);
    InOrder finished;
    const int window = 3 * threads;
    int submitted = 0;
    const auto submit = [&] {
        const int index = submitted++;
        const Card &card = request.cards.at(index);
        pool.start([&request, &finished, &card, index] {
            finished.put(index, CardFile::encode(card.art, card.stored, request.format, request.width,
                                                 request.print.size, card.title));
        });
    };

    FileReplacer::Batch batch;
    QList<QPair<int, QString>> added;
    for (int index = 0; index < count; ++index) {
        while (submitted < count && submitted < index + window && !progress.cancelled())
            submit();
        if (index >= submitted) {
            result.cancelled = true;
            break;
        }
        const QByteArray bytes = finished.take(index);
        const Card &card = request.cards.at(index);
        try {
            const QString path = CardPaths::cardFilePath(request.folder, card.name,
                                                         CardFile::extension(request.format));
            if (bytes.isEmpty())
                throw CardPaths::writeFailure(path, Messages::notEncoded());
            // Batch::add is for one thread: the files join it here, in order.
            CardFile::write(path, bytes, &batch);
            added.append({index, path});
        } catch (const Failure &failure) {
            result.failures.append(failure.description());
        }
        progress.report(index + 1, count);
    }
    // Cards still being drawn after a cancel are waited for, never written.
    pool.waitForDone();

    // The files take their names together, after one flush of the disk.
    QSet<QString> unsaved;
    for (const FileReplacer::Batch::Failed &late : batch.commit()) {
        result.failures.append(CardPaths::writeFailure(late.path, late.reason).description());
        unsaved.insert(late.path);
    }
    for (const auto &[index, path] : std::as_const(added))
        if (!unsaved.contains(path))
            result.written.append(index);
    return result;
}

} // namespace DeckExport
