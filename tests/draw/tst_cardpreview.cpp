// The preview: whatever selects an entry, the preview shows that entry's face.
#include "draw/CardDraw.h"
#include "pictures/CardImageSet.h"
#include "draw/CardPreview.h"
#include "cardface/Deck.h"
#include "tests/support/FormFixture.h"
#include "widgets/ListBox.h"
#include "tests/support/TestSettings.h"

#include <QLabel>
#include <QTest>

namespace {

int cardIndexOf(const QString &entry)
{
    return entry.section(u' ', 1, 1).toInt() - 1;
}

} // namespace

class TstCardPreview : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSettings::redirectUserConfig(); }

    void finishedDrawPreviewsItsFirstCard()
    {
        FormFixture f;
        QVERIFY(f.showActive());
        QVERIFY(image(f)->pixmap().isNull()); // nothing before the first selection
        draw(f, QStringLiteral("5"));
        expectPreviewOf(f, 0);
    }

    void theFaceIsTheSharedPictureAtItsOwnSize()
    {
        FormFixture f;
        QVERIFY(f.showActive());
        draw(f, QStringLiteral("52"));
        const int row = f.List1()->count() - 1;
        f.List1()->setCurrentRow(row);
        const QPixmap shown = image(f)->pixmap();
        const QPixmap &face = CardImageSet::shared().face(cardIndexOf(f.List1()->item(row)->text()));
        QCOMPARE(shown.cacheKey(), face.cacheKey()); // handed on, not copied or scaled
        QCOMPARE(image(f)->size(), QSize(71, 96));
        const QPoint topLeft = image(f)->pos();
        f.List1()->setCurrentRow(0);
        QCOMPARE(image(f)->pos(), topLeft);
    }

    void selectingByMouseAndKeysPreviewsEveryEntryPassedOver()
    {
        FormFixture f;
        QVERIFY(f.showActive());
        draw(f, QStringLiteral("8"));
        QListWidget *list = f.List1();

        const QRect third = list->visualItemRect(list->item(2));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third.center());
        expectPreviewOf(f, 2);

        list->setFocus();
        QList<qint64> seen;
        connect(static_cast<ListBox *>(list), &ListBox::Click, this,
                [&] { seen << image(f)->pixmap().cacheKey(); });
        for (int row = 3; row < 8; ++row) {
            QTest::keyClick(list, Qt::Key_Down);
            expectPreviewOf(f, row);
        }
        QTest::keyClick(list, Qt::Key_Up);
        expectPreviewOf(f, 6);
        QCOMPARE(seen.size(), 6);
    }

    void aNewDrawKeepsTheOldPreviewUntilItSelectsItsOwnFirstEntry()
    {
        FormFixture f;
        QVERIFY(f.showActive());
        draw(f, QStringLiteral("3"));
        f.List1()->setCurrentRow(2);
        const qint64 before = image(f)->pixmap().cacheKey();

        f.Text1()->setText(QStringLiteral("4"));
        QList<qint64> duringDraw;
        f.platform.onYield = [&] { duringDraw << image(f)->pixmap().cacheKey(); };
        f.form().draw().PushButton2_Click();
        f.platform.onYield = nullptr;

        QCOMPARE(duringDraw, QList<qint64>(4, before));
        expectPreviewOf(f, 0);
    }

    void aDrawOfNoCardsLeavesThePreview()
    {
        FormFixture f;
        QVERIFY(f.showActive());
        draw(f, QStringLiteral("2"));
        const qint64 before = image(f)->pixmap().cacheKey();
        draw(f, QStringLiteral("0"));
        QCOMPARE(f.List1()->count(), 0);
        QCOMPARE(image(f)->pixmap().cacheKey(), before);
        QVERIFY(f.platform.messages.isEmpty());
    }

    void noSelectionKeepsThePreview()
    {
        FormFixture f;
        QVERIFY(f.showActive());
        draw(f, QStringLiteral("2"));
        const qint64 before = image(f)->pixmap().cacheKey();
        const qint16 index = f.form().Deck1()->changeCard();
        static_cast<ListBox *>(f.List1())->setListIndex(-1);
        QCOMPARE(f.List1()->currentRow(), -1);
        QCOMPARE(image(f)->pixmap().cacheKey(), before);
        QCOMPARE(f.form().Deck1()->changeCard(), index);
        QVERIFY(f.platform.messages.isEmpty());
    }

    void anEntryThatIsNoCardIsIgnored_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addRow("one word") << QStringLiteral("Card");
        QTest::addRow("a second word that is no number") << QStringLiteral("Card x");
        QTest::addRow("a number beyond 16 bits") << QStringLiteral("Card 99999");
        QTest::addRow("a number that is no card of the deck") << QStringLiteral("Card 53");
    }

    void anEntryThatIsNoCardIsIgnored()
    {
        QFETCH(QString, entry);
        FormFixture f;
        QVERIFY(f.showActive());
        draw(f, QStringLiteral("1"));
        const qint64 before = image(f)->pixmap().cacheKey();
        f.List1()->addItem(entry);
        f.List1()->setCurrentRow(1);
        QCOMPARE(image(f)->pixmap().cacheKey(), before);
    }

    void deckStartsOnBackZeroAndOutOfSight()
    {
        FormFixture f;
        QVERIFY(f.showActive());
        Deck *deck = f.form().Deck1();
        QCOMPARE(deck->objectName(), QStringLiteral("Deck1"));
        QCOMPARE(deck->changeCard(), qint16(0));
        QCOMPARE(deck->Picture().cacheKey(), CardImageSet::shared().back(0).cacheKey());
        QCOMPARE(deck->pos(), QPoint(64, 24));
        QVERIFY(!deck->isVisible());
    }

private:
    static QLabel *image(FormFixture &f) { return f.control<QLabel>("Image1"); }

    static void draw(FormFixture &f, const QString &count)
    {
        f.Text1()->setText(count);
        f.form().draw().PushButton2_Click();
    }

    static void expectPreviewOf(FormFixture &f, int row)
    {
        QCOMPARE(f.List1()->currentRow(), row);
        const int index = cardIndexOf(f.List1()->item(row)->text());
        QCOMPARE(f.form().Deck1()->changeCard(), qint16(index));
        QCOMPARE(image(f)->pixmap().cacheKey(), CardImageSet::shared().face(index).cacheKey());
    }
};

QTEST_MAIN(TstCardPreview)
#include "tst_cardpreview.moc"
