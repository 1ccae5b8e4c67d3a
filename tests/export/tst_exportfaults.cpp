// Save-all when the disk fills up or the folder disappears half-way: what is
// on disk afterwards, what the user is told, and that nothing crashes.
#include "export/CardExport.h"
#include "cardface/CardImageSet.h"
#include "cardface/Deck.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/FormFixture.h"
#include "tests/support/TestSettings.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString reportTitle = QStringLiteral("Application Error");

// Opaque pixels are the face's own, transparent ones white: the whole file,
// not just its header, made it to the disk.
bool holdsFace(const QString &path, int cardIndex, QString *why)
{
    const QImage saved(path, "BMP");
    if (saved.isNull() || saved.size() != QSize(71, 96)) {
        *why = QStringLiteral("%1 is not a complete 71x96 bitmap").arg(path);
        return false;
    }
    const QImage face = CardImageSet::shared().face(cardIndex).toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x) {
            const QRgb f = face.pixel(x, y);
            const QRgb s = saved.pixel(x, y) | 0xff000000u;
            if ((qAlpha(f) == 255 && s != f) || (qAlpha(f) == 0 && s != 0xffffffffu)) {
                *why = QStringLiteral("%1 differs from face %2 at %3,%4").arg(path).arg(cardIndex).arg(x).arg(y);
                return false;
            }
        }
    }
    return true;
}

// A small tmpfs: a disk that really fills up, also for root. Unmounted on
// destruction, whatever the test's outcome.
class SmallDisk
{
public:
    SmallDisk(const QString &path, const QString &size) : m_path(path)
    {
        QDir().mkpath(path);
        m_mounted = QProcess::execute(QStringLiteral("mount"),
                                      {"-t", "tmpfs", "-o", "size=" + size, "tmpfs", path}) == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_path});
    }
    bool mounted() const { return m_mounted; }

private:
    QString m_path;
    bool m_mounted = false;
};

QList<FakePlatform::Message> reportsAtLine(const QList<FakePlatform::Message> &messages, int line)
{
    QList<FakePlatform::Message> found;
    for (const FakePlatform::Message &m : messages)
        if (m.title == reportTitle && m.text.contains(QStringLiteral("at line %1").arg(line)))
            found.append(m);
    return found;
}

} // namespace

class TstExportFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSettings::redirectUserConfig(); }

    void fullDiskKeepsWhatFitsAndSaysHowMany();
    void folderGoneHalfWay_data();
    void folderGoneHalfWay();

private:
    static void listCards(FormFixture &f, const QList<int> &numbers)
    {
        f.List1()->clear();
        for (int n : numbers)
            f.List1()->addItem(QStringLiteral("Card %1").arg(n));
    }
};

void TstExportFaults::fullDiskKeepsWhatFitsAndSaysHowMany()
{
    QTemporaryDir base;
    const QString folder = base.filePath(QStringLiteral("full"));
    // Room for a few 20 kB bitmaps and their temporary twins, not for twelve.
    SmallDisk disk(folder, QStringLiteral("100k"));
    if (!disk.mounted())
        QSKIP("cannot mount a small tmpfs here (needs root and mount permission)");

    const QByteArray earlierBytes("an earlier Card 1.bmp that must survive");
    {
        QFile earlier(folder + QStringLiteral("/Card 1.bmp"));
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        QCOMPARE(earlier.write(earlierBytes), qint64(earlierBytes.size()));
    }

    FormFixture f;
    // Card 1 last: by then the disk is full, and its earlier file is in the way.
    const QList<int> numbers{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1};
    listCards(f, numbers);
    f.Text2()->setText(QDir::toNativeSeparators(folder) + QDir::separator());
    f.platform.messages.clear();

    f.form().exporter().PushButton1_Click();

    QStringList saved, failed;
    for (int n : numbers) {
        const QString name = QStringLiteral("Card %1.bmp").arg(n);
        const QString path = folder + u'/' + name;
        if (n != 1 && QFile::exists(path)) {
            QString why;
            QVERIFY2(holdsFace(path, n - 1, &why), qPrintable(why));
            saved << name;
        } else {
            failed << name;
        }
    }
    QVERIFY2(!saved.isEmpty() && saved.size() < numbers.size() - 1,
             qPrintable(QStringLiteral("saved %1 of %2: the disk did not fill part-way")
                            .arg(saved.size()).arg(numbers.size())));

    qInfo("%lld of %lld files fit on the small disk", qlonglong(saved.size()), qlonglong(numbers.size()));

    // Nothing half-written and no temporary file left: only complete files.
    QStringList expected = saved;
    expected << QStringLiteral("Card 1.bmp");
    expected.sort();
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name), expected);

    QFile earlier(folder + QStringLiteral("/Card 1.bmp"));
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), earlierBytes);

    // One report per failed file, each naming its own file, all at line 114.
    const QList<FakePlatform::Message> reports = reportsAtLine(f.platform.messages, 114);
    QCOMPARE(reports.size(), failed.size());
    for (int i = 0; i < failed.size(); ++i)
        QVERIFY2(reports[i].text.contains(failed[i]), qPrintable(reports[i].text));
    QCOMPARE(f.platform.messages.size(), failed.size() + 1);

    const FakePlatform::Message closing = f.platform.messages.last();
    QCOMPARE(closing.icon, Platform::Icon::Warning);
    QVERIFY2(closing.text.contains(QStringLiteral("Saved %1 of %2").arg(saved.size()).arg(numbers.size())),
             qPrintable(closing.text));
    QVERIFY(!closing.text.contains(QStringLiteral("Done.")));
}

void TstExportFaults::folderGoneHalfWay_data()
{
    QTest::addColumn<bool>("movedAway");
    QTest::addRow("folder moved away: the first nine files go with it") << true;
    QTest::addRow("folder deleted with its files: nothing is recreated") << false;
}

void TstExportFaults::folderGoneHalfWay()
{
    QFETCH(bool, movedAway);
    QTemporaryDir base;
    const QString folder = base.filePath(QStringLiteral("out"));
    const QString moved = base.filePath(QStringLiteral("moved"));
    QVERIFY(QDir().mkpath(folder));

    FormFixture f;
    QList<int> numbers;
    for (int n = 20; n >= 1; --n)
        numbers << n;
    listCards(f, numbers);
    f.Text2()->setText(QDir::toNativeSeparators(folder) + QDir::separator());
    f.platform.messages.clear();

    // Save-all sets the control once per card, just before writing that card:
    // the tenth card finds its folder gone.
    int faces = 0;
    QObject::connect(f.form().Deck1(), &Deck::propertyChanged, [&] {
        if (++faces != 10)
            return;
        if (movedAway)
            QVERIFY(QDir().rename(folder, moved));
        else
            QVERIFY(QDir(folder).removeRecursively());
    });

    f.form().exporter().PushButton1_Click();
    QVERIFY(faces >= 10);

    QVERIFY2(!QFileInfo::exists(folder), "save-all created the vanished folder again");
    if (movedAway) {
        QCOMPARE(QDir(moved).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 9);
        for (int i = 0; i < 9; ++i) {
            QString why;
            QVERIFY2(holdsFace(moved + QStringLiteral("/Card %1.bmp").arg(numbers[i]), numbers[i] - 1, &why),
                     qPrintable(why));
        }
    }

    const QList<FakePlatform::Message> reports = reportsAtLine(f.platform.messages, 114);
    QCOMPARE(reports.size(), 11);
    for (int i = 0; i < reports.size(); ++i)
        QVERIFY2(reports[i].text.contains(QStringLiteral("Card %1.bmp").arg(numbers[9 + i])),
                 qPrintable(reports[i].text));
    QCOMPARE(f.platform.messages.size(), 12);
    const FakePlatform::Message closing = f.platform.messages.last();
    QCOMPARE(closing.icon, Platform::Icon::Warning);
    QVERIFY2(closing.text.contains(QStringLiteral("Saved 9 of 20")), qPrintable(closing.text));
}

QTEST_MAIN(TstExportFaults)
#include "tst_exportfaults.moc"
