#include "draw/CardDraw.h"
#include "core/Messages.h"
#include "core/ErrorReport.h"
#include "tests/support/FormFixture.h"
#include "core/Guard.h"
#include "tests/support/TestSettings.h"
#include "widgets/WindowPointer.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

const QString drawLocation = ErrorReport::location("PushButton2_Click");

QStringList entries(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

bool allDistinct(const QStringList &texts)
{
    return QSet<QString>(texts.cbegin(), texts.cend()).size() == texts.size();
}

// "Card N" with N from 1 to 52 in plain decimal: no sign, no leading zero, no fraction.
bool isCardEntry(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^Card ([1-9]|[1-4][0-9]|5[0-2])$"));
    return pattern.match(text).hasMatch();
}

int reportLine(const QString &text)
{
    static const QRegularExpression at(QStringLiteral("PushButton2_Click at line (\\d+)\r\r"));
    const auto m = at.match(text);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

} // namespace

class TestCardDraw : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void fullDeckListsEveryCardOnce();
    void countDecidesHowManyCards_data();
    void countDecidesHowManyCards();
    void progressIsSetBeforeEachCard_data();
    void progressIsSetBeforeEachCard();
    void countWithoutLoopBoundListsNothing_data();
    void countWithoutLoopBoundListsNothing();
    void countAboveTheDeckStopsWhenEveryCardIsListed_data();
    void countAboveTheDeckStopsWhenEveryCardIsListed();
    void failedStatementContinues_data();
    void failedStatementContinues();
    void editingCountDuringDraw_data();
    void editingCountDuringDraw();
    void pressDuringDrawStartsItOver_data();
    void pressDuringDrawStartsItOver();
    void clickStormNeverNestsDraws();
    void closingWindowDuringDrawEndsIt();
    void deletingWindowDuringDrawEndsIt_data();
    void deletingWindowDuringDrawEndsIt();
    void isCardListedReadsTheNumberWord_data();
    void isCardListedReadsTheNumberWord();
    void entryZeroIsSelectedAfterEveryDraw();
};

void TestCardDraw::initTestCase()
{
    TestSettings::redirectUserConfig();
}

void TestCardDraw::cleanup()
{
    Guard::setInjector({});
}

void TestCardDraw::fullDeckListsEveryCardOnce()
{
    FormFixture f;
    QVERIFY(f.showActive());
    f.Text1()->setText(QStringLiteral("52"));
    QTest::mouseClick(f.button("PushButton2"), Qt::LeftButton);

    QStringList listed = entries(f.List1());
    QCOMPARE(listed.size(), 52);
    QStringList deck;
    for (int n = 1; n <= 52; ++n)
        deck.append(QStringLiteral("Card %1").arg(n));
    QStringList sorted = listed;
    std::sort(sorted.begin(), sorted.end());
    std::sort(deck.begin(), deck.end());
    QCOMPARE(sorted, deck);
    QCOMPARE(f.List1()->currentRow(), 0);
    QCOMPARE(f.ProgressBar1()->value(), 0);
    QCOMPARE(f.ProgressBar1()->format(), QStringLiteral("Progress Bar"));
    QCOMPARE(f.platform.yields, 52);
    QVERIFY(f.platform.messages.isEmpty());
}

void TestCardDraw::countDecidesHowManyCards_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("cards");

    QTest::addRow("0 draws nothing") << "0" << 0;
    QTest::addRow("-5 draws nothing") << "-5" << 0;
    QTest::addRow("1 draws one card") << "1" << 1;
    QTest::addRow("2.5 draws 2 (half to even)") << "2.5" << 2;
    QTest::addRow("3.5 draws 4 (half to even)") << "3.5" << 4;
    QTest::addRow("blanks around 7 draw 7") << " 7 " << 7;
    QTest::addRow("exponent 1e1 draws 10") << "1e1" << 10;
}

void TestCardDraw::countDecidesHowManyCards()
{
    QFETCH(QString, count);
    QFETCH(int, cards);

    FormFixture f;
    // Entries of an earlier draw must go.
    f.List1()->addItems({QStringLiteral("Card 3"), QStringLiteral("Card 4")});
    f.List1()->setCurrentRow(-1);
    f.Text1()->setText(count);
    f.form().draw().PushButton2_Click();

    const QStringList listed = entries(f.List1());
    QCOMPARE(listed.size(), cards);
    QVERIFY(allDistinct(listed));
    for (const QString &e : listed)
        QVERIFY2(isCardEntry(e), qPrintable(e));
    QCOMPARE(f.List1()->currentRow(), cards > 0 ? 0 : -1);
    QCOMPARE(f.ProgressBar1()->value(), 0);
    QCOMPARE(f.ProgressBar1()->format(), QStringLiteral("Progress Bar"));
    QCOMPARE(f.form().pointer().mousePointer(), int(WindowPointer::Default));
    QVERIFY(f.platform.messages.isEmpty());
}

void TestCardDraw::progressIsSetBeforeEachCard_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QList<int>>("atYields");

    QTest::addRow("one card: 100 before it is drawn") << "1" << QList<int>{100};
    QTest::addRow("four cards: quarters") << "4" << QList<int>{25, 50, 75, 100};
    QTest::addRow("three cards: thirds, rounded") << "3" << QList<int>{33, 67, 100};
}

void TestCardDraw::progressIsSetBeforeEachCard()
{
    QFETCH(QString, count);
    QFETCH(QList<int>, atYields);

    FormFixture f;
    f.Text1()->setText(count);
    QList<int> seen;
    QList<int> listedAtYield;
    f.platform.onYield = [&] {
        seen.append(f.ProgressBar1()->value());
        listedAtYield.append(f.List1()->count());
    };
    f.form().draw().PushButton2_Click();

    QCOMPARE(seen, atYields);
    QList<int> before;
    for (int i = 0; i < atYields.size(); ++i)
        before.append(i);
    QCOMPARE(listedAtYield, before); // each value is set before its card is listed
    QCOMPARE(f.ProgressBar1()->value(), 0);
}

void TestCardDraw::countWithoutLoopBoundListsNothing_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("description");

    QTest::addRow("letters are a type mismatch") << "abc" << Messages::typeMismatch();
    QTest::addRow("empty count is a type mismatch") << "" << Messages::typeMismatch();
    QTest::addRow("3e9 overflows 32 bits") << "3e9" << Messages::overflow();
    QTest::addRow("2147483647.5 rounds beyond 32 bits") << "2147483647.5" << Messages::overflow();
}

void TestCardDraw::countWithoutLoopBoundListsNothing()
{
    QFETCH(QString, count);
    QFETCH(QString, description);

    FormFixture f;
    f.List1()->addItem(QStringLiteral("Card 8"));
    f.Text1()->setText(count);
    f.form().draw().PushButton2_Click();

    QCOMPARE(f.platform.messages.size(), 1);
    QCOMPARE(reportLine(f.platform.messages[0].text), 102);
    QVERIFY(f.platform.messages[0].text.startsWith(description + QStringLiteral("\r\n")));
    QCOMPARE(f.List1()->count(), 0);
    QCOMPARE(f.platform.yields, 0);
    QCOMPARE(f.ProgressBar1()->format(), QStringLiteral("Progress Bar"));
}

void TestCardDraw::countAboveTheDeckStopsWhenEveryCardIsListed_data()
{
    QTest::addColumn<QString>("count");

    QTest::addRow("60: 52 cards, then one report") << "60";
    // The progress value reads the count as the loop does, so a count beyond
    // 16 bits costs no report per card.
    QTest::addRow("1e9: 52 cards, then one report") << "1e9";
    QTest::addRow("40000: 52 cards, then one report") << "40000";
}

void TestCardDraw::countAboveTheDeckStopsWhenEveryCardIsListed()
{
    QFETCH(QString, count);

    FormFixture f;
    f.Text1()->setText(count);
    f.form().draw().PushButton2_Click();

    const QStringList listed = entries(f.List1());
    QCOMPARE(listed.size(), 52);
    QVERIFY(allDistinct(listed));

    QCOMPARE(f.platform.messages.size(), 1);
    QVERIFY(f.platform.messages[0].text.contains(QStringLiteral("No card left")));
    QCOMPARE(reportLine(f.platform.messages[0].text), 108);
    QCOMPARE(f.List1()->currentRow(), 0);
    QCOMPARE(f.ProgressBar1()->value(), 0);
}

// The failure table: a statement that fails is reported and the handler goes
// on where its numbered lines say. The list starts with two old entries, the
// progress bar at 77 with an old text, the pointer as an hourglass.
void TestCardDraw::failedStatementContinues_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<bool>("everyTime");
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("cards");          // entries after the draw
    QTest::addColumn<bool>("oldEntriesKept");
    QTest::addColumn<int>("yields");
    QTest::addColumn<int>("firstProgress");  // progress value at the first yield
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("progressEnd");
    QTest::addColumn<QString>("formatEnd");
    QTest::addColumn<int>("pointerEnd");
    QTest::addColumn<int>("reports");

    const QString pb = QStringLiteral("Progress Bar");
    const QString old = QStringLiteral("old text");
    // line, every, count, cards, old kept, yields, first progress, selected, progress end, text, pointer, reports
    QTest::addRow("100: old entries stay, new ones appended")
        << 100 << false << "3" << 5 << true << 3 << 33 << 0 << 0 << pb << 0 << 1;
    QTest::addRow("102: no loop bound, straight to the end")
        << 102 << false << "3" << 0 << false << 0 << -1 << -1 << 0 << pb << 0 << 1;
    QTest::addRow("104: that card's progress is skipped")
        << 104 << false << "3" << 3 << false << 3 << 77 << 0 << 0 << pb << 0 << 1;
    QTest::addRow("106: no yield for that card")
        << 106 << false << "3" << 3 << false << 2 << 67 << 0 << 0 << pb << 0 << 1;
    QTest::addRow("108: goes on with the test and still lists distinct cards")
        << 108 << false << "3" << 3 << false << 3 << 33 << 0 << 0 << pb << 0 << 1;
    QTest::addRow("112: that card is not appended")
        << 112 << false << "3" << 2 << false << 3 << 33 << 0 << 0 << pb << 0 << 1;
    QTest::addRow("114: the loop ends after one card")
        << 114 << false << "3" << 1 << false << 1 << 33 << 0 << 0 << pb << 0 << 1;
    QTest::addRow("116: entry 0 selected even so")
        << 116 << false << "3" << 3 << false << 3 << 33 << 0 << 0 << pb << 0 << 1;
    QTest::addRow("118: nothing selected")
        << 118 << false << "3" << 3 << false << 3 << 33 << -1 << 0 << pb << 0 << 1;
    QTest::addRow("120: progress stays at 100, later steps run")
        << 120 << false << "3" << 3 << false << 3 << 33 << 0 << 100 << pb << 0 << 1;
    QTest::addRow("122: old progress text stays, pointer still reset")
        << 122 << false << "3" << 3 << false << 3 << 33 << 0 << 0 << old << 0 << 1;
    QTest::addRow("124: pointer stays an hourglass")
        << 124 << false << "3" << 3 << false << 3 << 33 << 0 << 0 << pb << 11 << 1;
    QTest::addRow("104 in every pass: one report per pass, end steps still run")
        << 104 << true << "3" << 3 << false << 3 << 77 << 0 << 0 << pb << 0 << 3;
    QTest::addRow("106 in every pass: one report per pass, no yields")
        << 106 << true << "4" << 4 << false << 0 << -1 << 0 << 0 << pb << 0 << 4;
    QTest::addRow("112 in every pass: nothing appended, nothing selected")
        << 112 << true << "3" << 0 << false << 3 << 33 << -1 << 0 << pb << 0 << 3;
}

void TestCardDraw::failedStatementContinues()
{
    QFETCH(int, line);
    QFETCH(bool, everyTime);
    QFETCH(QString, count);
    QFETCH(int, cards);
    QFETCH(bool, oldEntriesKept);
    QFETCH(int, yields);
    QFETCH(int, firstProgress);
    QFETCH(int, selected);
    QFETCH(int, progressEnd);
    QFETCH(QString, formatEnd);
    QFETCH(int, pointerEnd);
    QFETCH(int, reports);

    FormFixture f;
    f.List1()->addItems({QStringLiteral("Card 51"), QStringLiteral("Card 52")});
    f.List1()->setCurrentRow(-1);
    f.ProgressBar1()->setValue(77);
    f.ProgressBar1()->setFormat(QStringLiteral("old text"));
    f.form().pointer().setMousePointer(WindowPointer::Hourglass);
    f.Text1()->setText(count);

    int failures = 0;
    Guard::setInjector([&](const QString &location, int at) {
        if (location != drawLocation || at != line || (!everyTime && failures > 0))
            return false;
        ++failures;
        return true;
    });
    QList<int> progressAtYield;
    f.platform.onYield = [&] { progressAtYield.append(f.ProgressBar1()->value()); };
    f.form().draw().PushButton2_Click();
    Guard::setInjector({});

    QCOMPARE(f.platform.messages.size(), reports);
    for (const auto &m : std::as_const(f.platform.messages)) {
        QCOMPARE(reportLine(m.text), line);
        QVERIFY(m.text.startsWith(QStringLiteral("Injected failure\r\n") + drawLocation));
    }
    const QStringList listed = entries(f.List1());
    QCOMPARE(listed.size(), cards);
    QVERIFY2(allDistinct(listed), qPrintable(listed.join(u',')));
    QCOMPARE(listed.mid(0, 2) == QStringList({"Card 51", "Card 52"}), oldEntriesKept);
    QCOMPARE(f.platform.yields, yields);
    if (firstProgress >= 0)
        QCOMPARE(progressAtYield.value(0), firstProgress);
    QCOMPARE(f.List1()->currentRow(), selected);
    QCOMPARE(f.ProgressBar1()->value(), progressEnd);
    QCOMPARE(f.ProgressBar1()->format(), formatEnd);
    QCOMPARE(f.form().pointer().mousePointer(), pointerEnd);
}

// The number of cards is fixed when the loop starts; the progress value reads
// the field anew for every card.
void TestCardDraw::editingCountDuringDraw_data()
{
    QTest::addColumn<QString>("edited");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QList<int>>("progress");

    QTest::addRow("emptied: type mismatch for each later card")
        << "" << Messages::typeMismatch() << QList<int>{25, 25, 25, 25};
    QTest::addRow("zeroed: division by zero for each later card")
        << "0" << Messages::divisionByZero() << QList<int>{25, 25, 25, 25};
    QTest::addRow("raised to 8: later progress uses 8, still 4 cards")
        << "8" << "" << QList<int>{25, 25, 38, 50};
}

void TestCardDraw::editingCountDuringDraw()
{
    QFETCH(QString, edited);
    QFETCH(QString, description);
    QFETCH(QList<int>, progress);

    FormFixture f;
    f.Text1()->setText(QStringLiteral("4"));
    QList<int> seen;
    f.platform.onYield = [&] {
        seen.append(f.ProgressBar1()->value());
        if (seen.size() == 1)
            f.Text1()->setText(edited);
    };
    f.form().draw().PushButton2_Click();

    QCOMPARE(f.List1()->count(), 4);
    QVERIFY(allDistinct(entries(f.List1())));
    QCOMPARE(seen, progress);
    QCOMPARE(f.platform.messages.size(), description.isEmpty() ? 0 : 3);
    for (const auto &m : std::as_const(f.platform.messages)) {
        QVERIFY(m.text.startsWith(description + QStringLiteral("\r\n")));
        QCOMPARE(reportLine(m.text), 104);
    }
}

// A press inside the yield makes the running draw start over at its next
// step: the list empties, the count is read anew, and the replaced pass never
// adds another entry. No draw is ever nested inside another's yield.
void TestCardDraw::pressDuringDrawStartsItOver_data()
{
    QTest::addColumn<QStringList>("counts");   // the first press's, then each later press's
    QTest::addColumn<int>("pressAtYield");     // of each pass but the last
    QTest::addColumn<int>("lastPassYields");

    QTest::addRow("5, then 4, then 2: the last press's two cards")
        << QStringList{"5", "4", "2"} << 1 << 2;
    QTest::addRow("full deck pressed again late in a full-deck draw")
        << QStringList{"52", "52"} << 40 << 52;
    QTest::addRow("above 52 pressed again: 52 cards, one report")
        << QStringList{"60", "60"} << 30 << 53;
    QTest::addRow("count emptied before the press: the new pass lists nothing")
        << QStringList{"6", ""} << 3 << 0;
}

void TestCardDraw::pressDuringDrawStartsItOver()
{
    QFETCH(QStringList, counts);
    QFETCH(int, pressAtYield);
    QFETCH(int, lastPassYields);

    FormFixture f;
    QVERIFY(f.showActive());
    f.Text1()->setText(counts.first());
    int presses = 1;
    int yieldsInPass = 0;
    int activeYields = 0;
    bool pressedLastYield = false;
    f.platform.onYield = [&] {
        QCOMPARE(++activeYields, 1); // a nested draw would yield inside this one
        if (pressedLastYield)
            QCOMPARE(f.List1()->count(), 0); // started over, the old pass added nothing
        pressedLastYield = false;
        if (++yieldsInPass == pressAtYield && presses < counts.size()) {
            QCOMPARE(f.List1()->count(), pressAtYield - 1);
            f.Text1()->setText(counts[presses++]);
            f.button("PushButton2")->click();
            QVERIFY(f.form().draw().isRunning());
            pressedLastYield = true;
            yieldsInPass = 0;
        }
        --activeYields;
    };
    f.button("PushButton2")->click();

    const QStringList listed = entries(f.List1());
    const int last = counts.last().isEmpty() ? 0 : qMin(52, counts.last().toInt());
    QCOMPARE(presses, counts.size());
    QCOMPARE(listed.size(), last);
    QVERIFY(allDistinct(listed));
    QCOMPARE(f.platform.yields, (counts.size() - 1) * pressAtYield + lastPassYields);
    QCOMPARE(f.List1()->currentRow(), last > 0 ? 0 : -1);
    QVERIFY(!f.form().draw().isRunning());
    int reports = counts.last().toInt() > 52 || counts.last().isEmpty() ? 1 : 0;
    QCOMPARE(f.platform.messages.size(), reports);
}

// An auto-clicker: thousands of presses, several inside every yield. Draws
// must never nest (the stack grew by one draw per press until it overflowed),
// and once the presses stop the last draw lists the count of distinct cards.
void TestCardDraw::clickStormNeverNestsDraws()
{
    FormFixture f;
    QVERIFY(f.showActive());
    f.Text1()->setText(QStringLiteral("7"));
    const int storm = 5000;
    int presses = 0;
    int activeYields = 0;
    int deepest = 0;
    int listedAfterPress = 0;
    bool pressedLastYield = false;
    f.platform.onYield = [&] {
        deepest = qMax(deepest, ++activeYields);
        // Started over at once: the replaced pass added nothing more.
        if (pressedLastYield)
            listedAfterPress = qMax(listedAfterPress, f.List1()->count());
        pressedLastYield = presses < storm;
        for (int i = 0; i < 3 && presses < storm; ++i, ++presses)
            QTest::mouseClick(f.button("PushButton2"), Qt::LeftButton);
        --activeYields;
    };
    QTest::mouseClick(f.button("PushButton2"), Qt::LeftButton);

    QCOMPARE(presses, storm);
    // A press nested a whole draw inside the yield, so the stack grew by one
    // draw per press: here every yield ran alone.
    QCOMPARE(deepest, 1);
    QCOMPARE(listedAfterPress, 0);
    const QStringList listed = entries(f.List1());
    QCOMPARE(listed.size(), 7);
    QVERIFY(allDistinct(listed));
    QCOMPARE(f.List1()->currentRow(), 0);
    QVERIFY(!f.form().draw().isRunning());
    QVERIFY(f.platform.messages.isEmpty());

    // The button still starts a draw of its own afterwards.
    f.platform.onYield = {};
    f.Text1()->setText(QStringLiteral("3"));
    QTest::mouseClick(f.button("PushButton2"), Qt::LeftButton);
    QCOMPARE(f.List1()->count(), 3);
}

void TestCardDraw::closingWindowDuringDrawEndsIt()
{
    FormFixture f;
    QVERIFY(f.showActive());
    f.Text1()->setText(QStringLiteral("10"));
    f.platform.onYield = [&] {
        if (f.platform.yields == 2)
            f.form().close();
    };
    f.button("PushButton2")->click();

    QCOMPARE(f.platform.yields, 2);
    QCOMPARE(f.List1()->count(), 1);
    QVERIFY(!f.form().isVisible());
    QVERIFY(!f.form().draw().isRunning());
    QVERIFY(f.platform.messages.isEmpty());
}

void TestCardDraw::deletingWindowDuringDrawEndsIt_data()
{
    QTest::addColumn<bool>("throughButton");
    QTest::addColumn<int>("nested");

    QTest::addRow("handler called directly") << false << 1;
    QTest::addRow("through the button") << true << 1;
    QTest::addRow("pressed again inside the yield first") << true << 2;
}

void TestCardDraw::deletingWindowDuringDrawEndsIt()
{
    QFETCH(bool, throughButton);
    QFETCH(int, nested);

    FormFixture f;
    QVERIFY(f.showActive());
    f.Text1()->setText(QStringLiteral("10"));
    int started = 1;
    f.platform.onYield = [&] {
        if (!f.window)
            QFAIL("a draw yielded again after its window was gone");
        if (started < nested) {
            ++started;
            f.button("PushButton2")->click();
            return;
        }
        if (f.platform.yields >= 3)
            f.window.reset();
    };
    if (throughButton)
        f.button("PushButton2")->click();
    else
        f.form().draw().PushButton2_Click();

    QVERIFY(!f.window);
    QCOMPARE(f.platform.yields, 3);
    QVERIFY(f.platform.messages.isEmpty());
}

void TestCardDraw::isCardListedReadsTheNumberWord_data()
{
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("found");

    const QStringList some{"Card 12", "Card 7", "Card 52"};
    QTest::addRow("listed number is found") << some << 7 << true;
    QTest::addRow("last entry is found") << some << 52 << true;
    QTest::addRow("1 is not found inside 12") << some << 1 << false;
    QTest::addRow("70 does not match 7") << some << 70 << false;
    QTest::addRow("empty list finds nothing") << QStringList{} << 7 << false;
}

void TestCardDraw::isCardListedReadsTheNumberWord()
{
    QFETCH(QStringList, listed);
    QFETCH(int, number);
    QFETCH(bool, found);

    FormFixture f;
    f.List1()->addItems(listed);
    QCOMPARE(f.form().draw().IsCardListed(qint16(number)), found);
}

// Focus entering the list in a yield makes entry 0 current, not selected.
void TestCardDraw::entryZeroIsSelectedAfterEveryDraw()
{
    FormFixture f;
    QVERIFY(f.showActive());
    f.Text1()->setText(QStringLiteral("3"));
    f.platform.onYield = [&] {
        if (f.platform.yields == 2)
            f.List1()->setFocus();
    };
    f.form().draw().PushButton2_Click();
    QCOMPARE(f.List1()->selectedItems(), QList<QListWidgetItem *>{f.List1()->item(0)});
}

QTEST_MAIN(TestCardDraw)
#include "tst_carddraw.moc"
