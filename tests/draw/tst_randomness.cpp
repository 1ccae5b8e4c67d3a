#include "draw/CardDraw.h"
#include "core/DrawRule.h"
#include "tests/support/FormFixture.h"
#include "core/RandomSource.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/TestSettings.h"

#include <QElapsedTimer>
#include <QTest>

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
    void knownStateGivesKnownDraw();
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

// As a shuffle is checked against known output: a known generator state and
// clock give a known draw, the same through the window's button as without a
// window, since both take the one draw rule.
void TestRandomness::knownStateGivesKnownDraw()
{
    const QList<qint16> expected{34, 8,  1,  38, 14, 7,  6,  13, 31, 5,  46, 40, 21, 11, 28, 29, 16, 4,
                                 20, 50, 48, 24, 44, 35, 47, 23, 19, 49, 3,  43, 51, 30, 10, 18, 15, 36,
                                 22, 27, 12, 17, 39, 41, 42, 9,  45, 2,  52, 25, 32, 26, 33, 37};
    FormFixture f;
    f.platform.clock = 1234.5f;
    f.random = RandomSource({1, 2, 3, 4});
    f.Text1()->setText(QStringLiteral("52"));
    f.form().draw().PushButton2_Click();
    QList<qint16> listed;
    for (int i = 0; i < f.List1()->count(); ++i)
        listed.append(qint16(cardOf(f.List1()->item(i)->text())));
    QCOMPARE(listed, expected);

    RandomSource again({1, 2, 3, 4});
    QCOMPARE(DrawRule::drawCardNumbers(again, deck), expected);
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
    f.platform.clockStep = frozenClock ? 0 : 1.0f / 64;
    f.Text1()->setText(QStringLiteral("1"));
    const int draws = 52 * 2000;

    QElapsedTimer timer;
    timer.start();
    std::vector<int> cards(deck, 0);
    std::vector<int> pairs(deck * deck, 0);
    int previous = -1;
    for (int i = 0; i < draws; ++i) {
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

// Full draws by the program's own rule, each card's position counted: every
// card must be equally likely at every position. The draw without a list, as
// the list's text scans would make enough shuffles take minutes.
void TestRandomness::everyPositionOfAFullDrawIsUniform()
{
    QFETCH(bool, frozenClock);

    FakePlatform platform;
    platform.clockStep = frozenClock ? 0 : 1.0f / 64;
    RandomSource random;
    const int shuffles = 40000;

    QElapsedTimer timer;
    timer.start();
    std::vector<int> atPosition(deck * deck, 0);
    for (int s = 0; s < shuffles; ++s) {
        const QList<qint16> order = DrawRule::drawCardNumbers(random, deck);
        for (int position = 0; position < deck; ++position) {
            const int card = order.at(position) - 1;
            QVERIFY(card >= 0 && card < deck);
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
