#include "draw/CardDraw.h"
#include "tests/support/FormFixture.h"
#include "core/RandomSource.h"
#include "tests/support/TestSettings.h"

#include <QElapsedTimer>
#include <QTest>

#include <array>
#include <cmath>
#include <vector>

// Chi-square tests of the draw. Thresholds sit near a tail probability of
// 1e-7 for their degrees of freedom (Wilson-Hilferty), so a fair generator
// practically never fails, while a generator that repeats, restarts on a
// reseed or leaves cards out fails by orders of magnitude.
namespace {

constexpr int deck = 52;
constexpr double limitDf51 = 125.0;     // 51 degrees of freedom
constexpr double limitDf2601 = 3000.0;  // 51 x 51
constexpr double limitDf2703 = 3110.0;  // 52 x 52 - 1

double chiSquare(const std::vector<int> &counts, double expected)
{
    double sum = 0;
    for (int c : counts)
        sum += (c - expected) * (c - expected) / expected;
    return sum;
}

int cardOf(const QString &entry)
{
    return entry.section(u' ', 1, 1).toInt();
}

} // namespace

class TestRandomness : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fixedStateGivesKnownOutput();
    void reseedIsAPureFunctionOfStateAndValue();
    void frozenClockStillGivesWholeIndexesBelowTheBound();
    void statisticRejectsBrokenDraws();
    void oneCardDrawIsUniform_data();
    void oneCardDrawIsUniform();
    void everyPositionOfAFullDrawIsUniform_data();
    void everyPositionOfAFullDrawIsUniform();
};

void TestRandomness::initTestCase()
{
    TestSettings::redirectUserConfig();
}

// xoshiro256** from the state {1, 2, 3, 4}: the reference output.
void TestRandomness::fixedStateGivesKnownOutput()
{
    RandomSource source({1, 2, 3, 4});
    QCOMPARE(source.next(), quint64(11520));
    QCOMPARE(source.next(), quint64(0));
    QCOMPARE(source.next(), quint64(1509978240));
    QCOMPARE(source.next(), quint64(1215971899390074240ULL));

    // A single-precision value keeps the top 24 bits: 24 random bits in [0, 1).
    RandomSource again({1, 2, 3, 4});
    for (int i = 0; i < 4; ++i)
        again.next();
    RandomSource twin({1, 2, 3, 4});
    for (int i = 0; i < 4; ++i)
        twin.next();
    const quint64 raw = twin.next();
    QCOMPARE(double(again.nextSingle()), double(raw >> 40) / double(1 << 24));
}

void TestRandomness::reseedIsAPureFunctionOfStateAndValue()
{
    RandomSource a({5, 6, 7, 8});
    RandomSource b({5, 6, 7, 8});
    RandomSource c({5, 6, 7, 8});
    a.reseed(100.25f);
    b.reseed(100.25f);
    c.reseed(100.5f);
    const quint64 first = a.next();
    QCOMPARE(b.next(), first);   // same state, same value: same sequence
    QVERIFY(c.next() != first);  // another clock value moves elsewhere

    // The same value again does not bring back what came before.
    a.reseed(100.25f);
    b.reseed(100.25f);
    const quint64 second = a.next();
    QCOMPARE(b.next(), second);
    QVERIFY(second != first);
}

// With the clock frozen every call reseeds with the same value. The index must
// still be a whole number below its bound, also for a bound that uses every
// bit of the single-precision value; that such calls never restart the
// sequence is what the frozen-clock rows of the uniformity tests show.
void TestRandomness::frozenClockStillGivesWholeIndexesBelowTheBound()
{
    FormFixture f;
    f.platform.clock = 1234.5f;
    const qint32 n = 1 << 24;
    for (int i = 0; i < 2000; ++i) {
        const double index = f.form().draw().RandomIndex(n);
        QVERIFY(index >= 0 && index < n && index == std::floor(index));
    }
}

// The statistic itself must be able to fail: draws that repeat, leave out a
// suit or favour a card strongly are far beyond the limit.
void TestRandomness::statisticRejectsBrokenDraws()
{
    const int draws = 52 * 400;
    const double expected = double(draws) / deck;

    std::vector<int> repeating(deck, 0);
    for (int i = 0; i < draws; ++i)
        ++repeating[(i % 13) * 4 % deck]; // a short cycle over 13 cards
    QVERIFY(chiSquare(repeating, expected) > limitDf51);

    std::vector<int> noHearts(deck, 0);
    for (int i = 0; i < draws; ++i)
        ++noHearts[i % 39];
    QVERIFY(chiSquare(noHearts, expected) > limitDf51);

    std::vector<int> favoured(deck, int(expected));
    favoured[0] += int(expected * 1.5);
    favoured[1] -= int(expected * 0.5);
    QVERIFY(chiSquare(favoured, expected) > limitDf51);

    std::vector<int> fair(deck, int(expected));
    QVERIFY(chiSquare(fair, expected) < limitDf51);
}

void TestRandomness::oneCardDrawIsUniform_data()
{
    QTest::addColumn<bool>("frozenClock");
    QTest::addRow("clock frozen: every reseed uses the same value") << true;
    QTest::addRow("clock advancing a tick per draw") << false;
}

// Through the real handler, without turning the event queue, so the draws are
// many: single cards for the marginal test, consecutive pairs for a test of
// succession (a generator that cycles or restarts shows up there).
void TestRandomness::oneCardDrawIsUniform()
{
    QFETCH(bool, frozenClock);

    FormFixture f;
    f.platform.processEvents = false;
    f.Text1()->setText(QStringLiteral("1"));
    const int draws = 52 * 2000;

    QElapsedTimer timer;
    timer.start();
    std::vector<int> cards(deck, 0);
    std::vector<int> pairs(deck * deck, 0);
    int previous = -1;
    for (int i = 0; i < draws; ++i) {
        if (!frozenClock)
            f.platform.clock += 1.0f / 64;
        f.form().draw().PushButton2_Click();
        QCOMPARE(f.List1()->count(), 1);
        const int card = cardOf(f.List1()->item(0)->text()) - 1;
        QVERIFY(card >= 0 && card < deck);
        ++cards[card];
        if (i % 2 == 1)
            ++pairs[previous * deck + card];
        previous = card;
    }
    qInfo("%d one-card draws in %lld ms", draws, qlonglong(timer.elapsed()));
    QVERIFY(f.platform.messages.isEmpty());

    const double single = chiSquare(cards, double(draws) / deck);
    const double succession = chiSquare(pairs, double(draws / 2) / (deck * deck));
    QVERIFY2(single < limitDf51, qPrintable(QString::number(single)));
    QVERIFY2(succession < limitDf2703, qPrintable(QString::number(succession)));
}

void TestRandomness::everyPositionOfAFullDrawIsUniform_data()
{
    QTest::addColumn<bool>("frozenClock");
    QTest::addRow("clock frozen") << true;
    QTest::addRow("clock advancing") << false;
}

// Full draws with the handler's own rule (draw with RandomIndex until a card
// not yet listed comes up), each card's position counted: every card must be
// equally likely at every position. The list itself is left out because its
// text scans would make enough shuffles take minutes.
void TestRandomness::everyPositionOfAFullDrawIsUniform()
{
    QFETCH(bool, frozenClock);

    FormFixture f;
    CardDraw &draw = f.form().draw();
    const int shuffles = 40000;

    QElapsedTimer timer;
    timer.start();
    std::vector<int> atPosition(deck * deck, 0);
    for (int s = 0; s < shuffles; ++s) {
        std::array<bool, deck> listed{};
        for (int position = 0; position < deck; ++position) {
            int card = 0;
            int tries = 0;
            do {
                if (!frozenClock)
                    f.platform.clock += 1.0f / 64;
                card = int(draw.RandomIndex(deck));
                // A fair draw needs 52 tries on average for the last card.
                if (++tries > 100000)
                    QFAIL("the generator never reached a free card");
            } while (listed[card]);
            listed[card] = true;
            ++atPosition[card * deck + position];
        }
    }
    qInfo("%d full shuffles in %lld ms", shuffles, qlonglong(timer.elapsed()));

    const double expected = double(shuffles) / deck;
    // Each card's row over the positions, and the whole table.
    for (int card = 0; card < deck; ++card) {
        const std::vector<int> row(atPosition.begin() + card * deck, atPosition.begin() + (card + 1) * deck);
        const double x = chiSquare(row, expected);
        QVERIFY2(x < limitDf51 * 1.2, qPrintable(QStringLiteral("card %1: %2").arg(card + 1).arg(x)));
    }
    const double table = chiSquare(atPosition, expected);
    QVERIFY2(table < limitDf2601, qPrintable(QString::number(table)));
}

QTEST_MAIN(TestRandomness)
#include "tst_randomness.moc"
