// The deck's batch on a pool: what it writes does not depend on how many
// threads wrote it, a cancel leaves every name whole, and paper and pictures
// come out at the card sizes' real measures.
#include "export/DeckExport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

QHash<QString, QByteArray> filesIn(const QString &folder)
{
    QHash<QString, QByteArray> files;
    for (const QString &name : QDir(folder).entryList(QDir::Files)) {
        QFile file(QDir(folder).filePath(name));
        file.open(QIODevice::ReadOnly);
        files.insert(name, file.readAll());
    }
    return files;
}

DeckExport::Request pngs(const QString &folder, int threads)
{
    DeckExport::Request request;
    request.cards = DeckExport::wholeDeck(true);
    request.folder = folder;
    request.format = CardFile::Format::Png;
    request.width = 96;
    request.print.size = CardSize::Poker;
    request.threads = threads;
    return request;
}

} // namespace

Q_DECLARE_METATYPE(PrintOptions)

class TstDeckExport : public QObject
{
    Q_OBJECT
private slots:
    void everyFileIsTheSameOnAnyNumberOfThreads();
    void aCancelledBatchLeavesEveryNameOldOrNew();
    void measures_data();
    void measures();
};

void TstDeckExport::everyFileIsTheSameOnAnyNumberOfThreads()
{
    QTemporaryDir one, many;
    const DeckExport::Result alone = DeckExport::run(pngs(one.path(), 1));
    const DeckExport::Result pooled = DeckExport::run(pngs(many.path(), 4));
    QCOMPARE(pooled.written.size(), 54);
    QCOMPARE(pooled.written, alone.written);
    const auto files = filesIn(many.path());
    QCOMPARE(files, filesIn(one.path()));
    QVERIFY(files.contains(QStringLiteral("Joker 2.png")));
    QVERIFY(!files.contains(QStringLiteral("Card 53.png")));
}

void TstDeckExport::aCancelledBatchLeavesEveryNameOldOrNew()
{
    QTemporaryDir folder;
    DeckExport::run(pngs(folder.path(), 2)); // the old files
    const auto old = filesIn(folder.path());
    DeckExport::Request bigger = pngs(folder.path(), 2);
    bigger.width = 120;
    std::atomic_bool cancel = false;
    int reported = 0;
    const Progress progress{[&](int done, int) {
                                reported = done;
                                if (done == 10)
                                    cancel = true;
                            },
                            &cancel};
    const DeckExport::Result result = DeckExport::run(bigger, progress);
    QVERIFY(result.cancelled);
    QCOMPARE(result.written.size(), reported);
    const auto now = filesIn(folder.path());
    QCOMPARE(now.size(), old.size()); // nothing half-made left beside them
    int renewed = 0;
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        const QImage image = QImage::fromData(it.value());
        QVERIFY2(it.value() == old.value(it.key()) || image.width() == 120, qPrintable(it.key()));
        renewed += image.width() == 120;
    }
    QCOMPARE(renewed, reported);
}

void TstDeckExport::measures_data()
{
    QTest::addColumn<CardFile::Format>("format");
    QTest::addColumn<PrintOptions>("options");
    QTest::addColumn<int>("pages"); // a PDF's, of the 54 cards; a PNG's width
    QTest::addColumn<QString>("measure"); // the PDF's page box, or the PNG's height and dots per metre
    PrintOptions card;
    card.layout = CardSheet::Layout::CardPerPage;
    card.bleed = true;
    card.back = 2;
    QTest::addRow("one card per page: trim and bleed in whole points, each front and its back")
        << CardFile::Format::Pdf << card << 108 << "0 0 198 270";
    PrintOptions sheets;
    sheets.back = 0;
    QTest::addRow("sheets of nine on A4, each followed by its backs page") << CardFile::Format::Pdf << sheets << 12
                                                                           << "0 0 595 842";
    QTest::addRow("a 750 px poker PNG is 1050 high, at 300 dpi") << CardFile::Format::Png << PrintOptions{} << 750
                                                                 << "1050 11811";
    PrintOptions bridge;
    bridge.size = CardSize::Bridge;
    QTest::addRow("a 675 px bridge PNG is 1050 high, at 300 dpi") << CardFile::Format::Png << bridge << 675
                                                                  << "1050 11811";
}

void TstDeckExport::measures()
{
    QFETCH(CardFile::Format, format);
    QFETCH(PrintOptions, options);
    QFETCH(int, pages);
    QFETCH(QString, measure);
    QTemporaryDir folder;
    DeckExport::Request request;
    request.cards = DeckExport::wholeDeck(true);
    request.folder = folder.path();
    request.format = format;
    request.print = options;
    if (format == CardFile::Format::Png) {
        request.cards = request.cards.mid(0, 1);
        request.width = pages;
        QCOMPARE(DeckExport::run(request).written.size(), 1);
        const QImage image(folder.filePath(QStringLiteral("Card 1.png")));
        QCOMPARE(QStringLiteral("%1 %2").arg(image.height()).arg(image.dotsPerMeterX()), measure);
        QCOMPARE(image.width(), pages);
        return;
    }
    QCOMPARE(DeckExport::run(request).written.size(), 54);
    QFile pdf(folder.filePath(QStringLiteral("Cards.pdf")));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), qsizetype(pages));
    const auto box = QRegularExpression(QStringLiteral("/MediaBox \\[([^]]*)\\]")).match(QString::fromLatin1(bytes));
    QStringList points;
    for (const QString &number : box.captured(1).split(u' ', Qt::SkipEmptyParts))
        points << QString::number(number.toDouble());
    QCOMPARE(points.join(u' '), measure);
    QVERIFY(!bytes.contains("/Subtype /Image"));
}

QTEST_GUILESS_MAIN(TstDeckExport)
#include "tst_deckexport.moc"
