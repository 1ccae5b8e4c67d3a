// The PDF and print options kept between runs: each under its own key, and a
// value this version does not know gives that choice's default.
#include "save/PrintChoices.h"
#include "core/SettingsStore.h"

#include <QTemporaryDir>
#include <QTest>

class TstPrintChoices : public QObject
{
    Q_OBJECT

private slots:
    void keptUnderTheirKeys_data();
    void keptUnderTheirKeys();
};

using Stored = QMap<QString, QString>;

namespace {

QString described(const PrintChoices &c)
{
    return QStringLiteral("%1 bleed=%2 back=%3 mirrored=%4 layout=%5 jokers=%6")
        .arg(CardSizes::name(c.print.size))
        .arg(c.print.bleed)
        .arg(c.print.back)
        .arg(c.print.mirrored)
        .arg(int(c.print.layout))
        .arg(c.jokers);
}

} // namespace

void TstPrintChoices::keptUnderTheirKeys_data()
{
    QTest::addColumn<Stored>("stored"); // written by hand, before any save
    QTest::addColumn<bool>("saveChanged");              // then every choice changed and saved
    QTest::addRow("every choice comes back from its own key") << Stored{} << true;
    QTest::addRow("unknown values give the defaults")
        << Stored{{PrintChoices::cardSizeKey(), "tarot"}, {PrintChoices::bleedKey(), "maybe"},
                                  {PrintChoices::backKey(), "13"}, {PrintChoices::duplexKey(), "yes"},
                                  {PrintChoices::layoutKey(), "diagonal"}, {PrintChoices::jokersKey(), ""}}
        << false;
}

void TstPrintChoices::keptUnderTheirKeys()
{
    QFETCH(Stored, stored);
    QFETCH(bool, saveChanged);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Quenlow.conf"));
    PrintChoices expected;
    {
        SettingsStore store(file);
        for (auto it = stored.cbegin(); it != stored.cend(); ++it)
            store.set(it.key(), it.value());
        if (saveChanged) {
            expected.print = {CardSize::Bridge, true, 11, false, CardSheet::Layout::CardPerPage};
            expected.jokers = true;
            expected.save(store);
        }
    }
    const SettingsStore reopened(file);
    QCOMPARE(described(PrintChoices::load(reopened)), described(expected));
}

QTEST_GUILESS_MAIN(TstPrintChoices)
#include "tst_printchoices.moc"
