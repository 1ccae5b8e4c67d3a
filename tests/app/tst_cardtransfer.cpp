// Copy, the context menu and the drag data of the list and the preview: what
// another program receives, and what is refused with no card to give.
#include "app/CardTransfer.h"
#include "core/Messages.h"
#include "save/PrintOptionsDialog.h"
#include "save/CardExport.h"
#include "render/CardRenderer.h"
#include "tests/support/FormFixture.h"
#include "tests/support/ImageCheck.h"
#include "tests/support/TestSettings.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressDialog>
#include <QTimer>
#include <QDir>
#include <QImage>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TstCardTransfer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSettings::redirectUserConfig();
        // Whatever the machine's locale, the sheets are A4 here.
        qunsetenv("LC_ALL");
        qputenv("LC_PAPER", "en_GB.UTF-8");
    }

    void copyKeyGivesSavedBitmapAndName_data();
    void copyKeyGivesSavedBitmapAndName();
    void actionsNeedACard_data();
    void actionsNeedACard();
    void saveCardAsWritesChosenFormat_data();
    void saveCardAsWritesChosenFormat();
    void openOutputFolderAndDragFile();
    void exportAndPrintLayTheHandOut();
    void optionsStepByKeyboard_data();
    void optionsStepByKeyboard();
    void cancelledExportKeepsTheOldFile();
    void dragFileOnlyWhereItCanBeWritten_data();
    void dragFileOnlyWhereItCanBeWritten();

private:
    static CardTransfer *transfer(FormFixture &f) { return f.form().findChild<CardTransfer *>(); }
    static void list(FormFixture &f, const QList<int> &numbers, int selected)
    {
        for (int n : numbers)
            f.List1()->addItem(QStringLiteral("Card %1").arg(n));
        f.List1()->setCurrentRow(selected);
    }
    // The options step the last action opened, still open.
    static PrintOptionsDialog *options(FormFixture &f)
    {
        for (auto *dialog : f.form().findChildren<PrintOptionsDialog *>())
            if (dialog->isVisible())
                return dialog;
        return nullptr;
    }
    static void accept(FormFixture &f, CardSheet::Layout layout = CardSheet::Layout::Sheets)
    {
        PrintOptionsDialog *dialog = options(f);
        QVERIFY(dialog);
        auto *box = dialog->findChild<QComboBox *>(QStringLiteral("layout"));
        box->setCurrentIndex(box->findData(int(layout)));
        dialog->accept();
    }
};

void TstCardTransfer::copyKeyGivesSavedBitmapAndName_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");
    // Which name each card has is tst_accessibility's table; one card shows the
    // copy carries it.
    QTest::addRow("17 is the four of diamonds") << 17 << "Card 17 (four of diamonds)";
}

void TstCardTransfer::copyKeyGivesSavedBitmapAndName()
{
    QFETCH(int, number);
    QFETCH(QString, text);
    FormFixture f;
    list(f, {5, number}, 1);
    QTemporaryDir dir;
    f.Text2()->setText(QDir::toNativeSeparators(dir.path()) + QDir::separator());
    f.form().exporter().PushButton3_Click(); // the bitmap save-selected writes
    const QImage saved(dir.filePath(QStringLiteral("Card %1.bmp").arg(number)));
    QVERIFY(!saved.isNull());
    QGuiApplication::clipboard()->clear();

    QVERIFY(f.showActive());
    f.List1()->setFocus();
    QTest::keySequence(f.List1(), QKeySequence::Copy);

    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data && data->hasImage());
    QCOMPARE(data->text(), text);
    const QImage copied = qvariant_cast<QImage>(data->imageData()).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(copied.size(), QSize(71, 96));
    QCOMPARE(copied, saved.convertToFormat(QImage::Format_RGB32));
    QCOMPARE(copied.pixel(0, 0), qRgb(255, 255, 255)); // a rounded corner, white as on paper
}

void TstCardTransfer::actionsNeedACard_data()
{
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("oneCard");  // Copy Card Image, Save Card As...
    QTest::addColumn<bool>("allCards"); // Copy Drawn Cards
    QTest::addColumn<QString>("clipboard");
    QTest::addRow("nothing drawn: no copy at all") << QList<int>{} << -1 << false << false << "before";
    QTest::addRow("drawn, none selected: only the list")
        << QList<int>{30, 1, 52} << -1 << false << true
        << "Card 30 (four of clubs)\nCard 1 (ace of spades)\nCard 52 (king of hearts)";
    QTest::addRow("only current, not selected: none") << QList<int>{1} << -2 << false << true << "Card 1 (ace of spades)";
    QTest::addRow("selected: everything, in drawn order")
        << QList<int>{52, 17} << 0 << true << true << "Card 52 (king of hearts)\nCard 17 (four of diamonds)";
}

void TstCardTransfer::actionsNeedACard()
{
    QFETCH(QList<int>, numbers);
    QFETCH(int, selected);
    QFETCH(bool, oneCard);
    QFETCH(bool, allCards);
    QFETCH(QString, clipboard);
    FormFixture f;
    list(f, numbers, qMax(selected, -1));
    if (selected == -2)
        f.List1()->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    CardTransfer *t = transfer(f);
    QVERIFY(t);
    for (QWidget *w : {static_cast<QWidget *>(f.List1()), f.control<QWidget>("Image1")}) {
        QStringList menu;
        for (const QAction *a : w->actions())
            menu << a->text();
        QCOMPARE(menu, QStringList({"Copy Card Image", "Copy Drawn Cards", "Save Card As\u2026",
                                    "Export Drawn Cards as PDF\u2026", "Export Whole Deck as PDF\u2026",
                                    "Print Drawn Cards\u2026", "Open Output Folder"}));
    }
    QCOMPARE(t->copyCardImageAction()->isEnabled(), oneCard);
    QCOMPARE(t->saveCardAsAction()->isEnabled(), oneCard);
    for (QAction *a : {t->copyDrawnCardsAction(), t->exportPdfAction(), t->printAction()})
        QCOMPARE(a->isEnabled(), allCards);
    QVERIFY(t->openOutputFolderAction()->isEnabled());
    QCOMPARE(std::unique_ptr<QMimeData>(t->selectedCardData(true)) != nullptr, oneCard); // a drag's

    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    t->copyCardImageAction()->trigger(); // a disabled action ignores even this
    QCOMPARE(QGuiApplication::clipboard()->mimeData()->hasImage(), oneCard);
    t->copyDrawnCardsAction()->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
    // Beside the text, the hand as one picture: the cards at twice their
    // size, side by side in drawn order.
    const QImage hand = qvariant_cast<QImage>(QGuiApplication::clipboard()->mimeData()->imageData());
    QCOMPARE(hand.isNull(), !allCards);
    for (int i = 0; allCards && i < numbers.size(); ++i) {
        QImage card(142, 192, QImage::Format_RGB32);
        card.fill(Qt::white);
        QPainter(&card).drawImage(0, 0, CardRenderer::image(CardArt::face(numbers.at(i) - 1), 142));
        QCOMPARE(hand.copy(i * 150, 0, 142, 192).convertToFormat(QImage::Format_RGB32), card);
    }
}

void TstCardTransfer::saveCardAsWritesChosenFormat_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QSize>("size");   // of the picture; none for a drawing or a document
    QTest::addColumn<QByteArray>("starts");
    QTest::addColumn<QString>("replying"); // "": nothing of that name yet; else the answer to replacing it
    const QString bmp = QStringLiteral("Windows bitmap (*.bmp)");
    const QString png300 = QStringLiteral("PNG image, for print at 300 dpi, 63 mm wide, 744 x 1006 (*.png)");
    QTest::addRow("a .png name keeps the corners transparent") << "x.png" << bmp << "x.png" << QSize(71, 96)
                                                               << QByteArray("\x89PNG") << "";
    QTest::addRow("a .bmp name is a bitmap on white") << "x.BMP" << png300 << "x.BMP" << QSize(71, 96)
                                                      << QByteArray("BM") << "";
    QTest::addRow("no extension: the chosen filter's") << "x" << bmp << "x.bmp" << QSize(71, 96) << QByteArray("BM")
                                                       << "";
    QTest::addRow("no extension, x.bmp exists: asked, Yes replaces") << "x" << bmp << "x.bmp" << QSize(71, 96)
                                                                     << QByteArray("BM") << "Yes";
    QTest::addRow("no extension, x.bmp exists: No keeps it, dialog again") << "x" << bmp << "x.bmp" << QSize(71, 96)
                                                                           << QByteArray("BM") << "No";
    QTest::addRow("a PNG size chosen is drawn at that size") << "x" << png300 << "x.png" << QSize(744, 1006)
                                                             << QByteArray("\x89PNG") << "";
    QTest::addRow("a drawing") << "x.svg" << png300 << "x.svg" << QSize() << QByteArray("<?xml") << "";
    QTest::addRow("a document") << "x" << "PDF document, the card at 63 mm (*.pdf)" << "x.pdf" << QSize()
                                << QByteArray("%PDF") << "";
}

void TstCardTransfer::saveCardAsWritesChosenFormat()
{
    QFETCH(QString, name);
    QFETCH(QString, filter);
    QFETCH(QString, written);
    QFETCH(QSize, size);
    QFETCH(QByteArray, starts);
    QFETCH(QString, replying);
    FormFixture f;
    list(f, {17}, 0);
    QTemporaryDir dir;
    QFile mine(dir.filePath(written));
    QVERIFY(replying.isEmpty() || (mine.open(QIODevice::WriteOnly) && mine.write("mine") == 4 && mine.flush()));
    mine.close(); // Windows replaces no file that is still open
    f.Text2()->setText(dir.path() + u'/');
    f.platform.saveAnswers.append({dir.filePath(name), filter});
    f.platform.questionAnswers.append(replying == QLatin1String("Yes"));
    transfer(f)->saveCardAsAction()->trigger();

    QCOMPARE(f.platform.questions.size(), replying.isEmpty() ? 0 : 1);
    const bool no = replying == QLatin1String("No"); // the dialog again at that name (cancelled), the file kept
    // The folder as the system names it, whatever separators were typed.
    QCOMPARE(f.platform.saveSuggestions,
             QStringList{QDir::toNativeSeparators(dir.path() + QStringLiteral("/Card 17.png"))}
                 + QStringList(no ? 1 : 0, mine.fileName()));
    if (no) {
        QVERIFY(QImage(mine.fileName()).isNull()); // still "mine"
        return;
    }
    QVERIFY(f.platform.saveFilters.constFirst().split(QStringLiteral(";;")).contains(filter));
    QVERIFY(f.platform.messages.isEmpty());
    QFile file(dir.filePath(written));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith(starts));
    if (size.isValid()) {
        const QImage image(dir.filePath(written));
        QCOMPARE(image.size(), size);
        QCOMPARE(qAlpha(image.pixel(0, 0)), starts == "BM" ? 255 : 0);
    }
    // The next time, the type chosen comes first.
    f.platform.saveAnswers.append({QString(), QString()});
    transfer(f)->saveCardAsAction()->trigger();
    QCOMPARE(QFileInfo(f.platform.saveSuggestions.constLast()).suffix(), QFileInfo(filter.chopped(1)).suffix());
}

void TstCardTransfer::openOutputFolderAndDragFile()
{
    FormFixture f;
    QTemporaryDir dir;
    f.Text2()->setText(dir.path() + QStringLiteral("/gone/"));
    transfer(f)->openOutputFolderAction()->trigger();
    QVERIFY(f.platform.openedUrls.isEmpty());
    QCOMPARE(f.platform.messages.size(), 1);
    QVERIFY(f.platform.messages.constFirst().text.contains(QStringLiteral("does not exist")));

    f.Text2()->setText(dir.path() + u'/');
    transfer(f)->openOutputFolderAction()->trigger();
    QCOMPARE(f.platform.openedUrls, QList<QUrl>{QUrl::fromLocalFile(dir.path())});
    QCOMPARE(f.platform.messages.size(), 1);
    // A desktop that opens nothing: the user hears of it, with the folder.
    f.platform.opensUrls = false;
    transfer(f)->openOutputFolderAction()->trigger();
    QCOMPARE(f.platform.messages.size(), 2);
    QVERIFY(f.platform.messages.constLast().text.contains(QDir::toNativeSeparators(dir.path())));

    // A drag hands file managers the entry's own file name.
    list(f, {17}, 0);
    std::unique_ptr<QMimeData> data(transfer(f)->selectedCardData(true));
    QVERIFY(data && data->hasImage() && data->urls().size() == 1);
    const QString dropped = data->urls().constFirst().toLocalFile();
    QCOMPARE(QFileInfo(dropped).fileName(), QStringLiteral("Card 17.png"));
    QCOMPARE(QImage(dropped).size(), QSize(71, 96));
}

void TstCardTransfer::exportAndPrintLayTheHandOut()
{
    FormFixture f;
    QList<int> ten;
    for (int n = 1; n <= 10; ++n)
        ten << n * 5;
    list(f, ten, -1);
    QTemporaryDir dir;
    f.Text2()->setText(dir.path() + u'/');
    // Nine poker cards to an A4 sheet, or one to a page, as the options step says.
    f.platform.saveAnswers.append({dir.filePath(QStringLiteral("sheets")), "PDF document (*.pdf)"});
    f.platform.saveAnswers.append({dir.filePath(QStringLiteral("pages.pdf")), "PDF document (*.pdf)"});
    transfer(f)->exportPdfAction()->trigger();
    accept(f);
    transfer(f)->exportPdfAction()->trigger();
    accept(f, CardSheet::Layout::CardPerPage);
    QCOMPARE(f.platform.saveSuggestions.constFirst(), QDir::toNativeSeparators(dir.path() + QStringLiteral("/Cards.pdf")));
    QVERIFY(f.platform.messages.isEmpty());
    transfer(f)->printAction()->trigger();
    accept(f);
    QCOMPARE(f.platform.printTitles, QStringList{QStringLiteral("Print Drawn Cards")});
    QCOMPARE(f.platform.printPdfPaths, QStringList{f.platform.saveSuggestions.constFirst()}); // as the export offers it
    QCOMPARE(f.platform.printedPages, 2);
    // A page range chosen in the print dialog prints those pages only.
    f.platform.printRanges.addPage(2);
    transfer(f)->printAction()->trigger();
    accept(f);
    QCOMPARE(f.platform.printedPages, 1);

    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        QSKIP("pdfinfo is not installed (poppler-utils: scripts/install-deps --dev)");
    for (const auto &[file, pages] : {std::pair{"sheets.pdf", 2}, std::pair{"pages.pdf", 10}})
        QVERIFY(ImageCheck::tool(QStringLiteral("pdfinfo"), {dir.filePath(QLatin1String(file))})
                    .contains(QRegularExpression(QStringLiteral("Pages: +%1\n").arg(pages))));
}

void TstCardTransfer::optionsStepByKeyboard_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("asksForAName");
    QTest::addRow("Enter takes the choices and goes on") << int(Qt::Key_Return) << true;
    QTest::addRow("Escape leaves the step, nothing asked or kept") << int(Qt::Key_Escape) << false;
}

// Tab reaches every choice, each has a mnemonic of its own, the backs are
// named for screen readers, and Enter or Escape ends the step.
void TstCardTransfer::optionsStepByKeyboard()
{
    QFETCH(int, key);
    QFETCH(bool, asksForAName);
    TestSettings::clearUserStore();
    FormFixture f;
    QVERIFY(f.showActive());
    transfer(f)->exportDeckAction()->trigger();
    PrintOptionsDialog *dialog = options(f);
    QVERIFY(dialog);
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QStringList reached;
    for (int i = 0; i < 12 && !reached.contains(QStringLiteral("button")); ++i) {
        QWidget *focus = dialog->focusWidget();
        reached << (qobject_cast<QAbstractButton *>(focus) && !qobject_cast<QCheckBox *>(focus)
                        ? QStringLiteral("button") : focus->objectName());
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    // Duplex waits for a back on sheets; the rest are always there.
    QCOMPARE(reached, QStringList({"cardSize", "bleed", "backs", "layout", "jokers", "button"}));
    QStringList mnemonics;
    for (const QLabel *label : dialog->findChildren<QLabel *>())
        if (label->buddy())
            mnemonics << label->text();
    for (const QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
        mnemonics << button->text();
    QSet<QChar> keys;
    for (const QString &text : std::as_const(mnemonics)) {
        const qsizetype amp = text.indexOf(u'&');
        if (amp < 0)
            continue;
        const QChar key = text.at(amp + 1).toLower();
        QVERIFY2(!keys.contains(key), qPrintable(text));
        keys.insert(key);
    }
    QVERIFY(keys.size() >= 7); // size, bleed, back, duplex, layout, jokers, export (and the platform's Cancel)
    auto *backs = dialog->findChild<QListWidget *>(QStringLiteral("backs"));
    for (int back = 0; back < 12; ++back)
        QCOMPARE(backs->item(back + 1)->data(Qt::AccessibleTextRole).toString(), PrintOptionsDialog::backName(back));

    backs->setFocus();
    QTest::keyClick(backs, Qt::Key_Right); // back 1
    QTest::keyClick(dialog->focusWidget(), Qt::Key(key));
    QVERIFY(!dialog->isVisible());
    QCOMPARE(f.platform.saveSuggestions.size(), asksForAName ? 1 : 0);
    QCOMPARE(f.store.get(PrintChoices::backKey(), QString()), asksForAName ? QStringLiteral("1") : QString());
}

// Cancel in the progress dialog stops the export; the file it would have
// replaced keeps its old content whole, and the message says none was written.
void TstCardTransfer::cancelledExportKeepsTheOldFile()
{
    FormFixture f;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Deck.pdf"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    f.platform.saveAnswers.append({path, "PDF document (*.pdf)"});
    bool clicked = false;
    // Runs at the export's first progress report, the dialog still hidden.
    QTimer::singleShot(0, &f.form(), [&] {
        if (auto *progress = f.form().findChild<QProgressDialog *>()) {
            progress->findChild<QPushButton *>()->click();
            clicked = true;
        }
    });
    transfer(f)->exportDeckAction()->trigger();
    accept(f, CardSheet::Layout::CardPerPage);
    QVERIFY(clicked);
    QCOMPARE(f.platform.messages.size(), 1);
    QCOMPARE(f.platform.messages.constFirst().text, Messages::exportCancelled());
    QFile kept(path);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("old"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Deck.pdf")});
}

// The file goes in a folder of ours that exists when the drag starts; where
// it cannot be written the image and the text go alone, and the log says so.
void TstCardTransfer::dragFileOnlyWhereItCanBeWritten_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("withFile");
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    QTest::addRow("TMPDIR is the root: the file goes to the user's own folder, nothing new in the root") << "root" << true;
#elif defined(Q_OS_UNIX)
    QTest::addRow("TMPDIR is missing: no file, and none in the root") << "missing" << false;
#endif
    QTest::addRow("a temp cleaner removed the folder since the last drag: a new one") << "removed" << true;
    QTest::addRow("the file cannot be written: the window says so") << "blocked" << false;
}

void TstCardTransfer::dragFileOnlyWhereItCanBeWritten()
{
    QFETCH(QString, fault);
    QFETCH(bool, withFile);
    FormFixture f;
    list(f, {17}, 0);
    const QByteArray tmpdir = qgetenv("TMPDIR");
    const auto restore = qScopeGuard([&] { qputenv("TMPDIR", tmpdir); });
    const auto inRoot = [] { return QDir(QStringLiteral("/")).entryList(QDir::AllEntries | QDir::Hidden); };
    const QStringList rootBefore = inRoot();
    if (fault == QLatin1String("root")) {
        qputenv("TMPDIR", "/");
    } else if (fault == QLatin1String("missing")) { // Qt would make the folder in the root
        qputenv("TMPDIR", QFile::encodeName(QDir::tempPath() + QStringLiteral("/velmora-no-such-folder")));
    } else {
        const std::unique_ptr<QMimeData> first(transfer(f)->selectedCardData(true));
        const QString earlier = first->urls().value(0).toLocalFile();
        QVERIFY(!earlier.isEmpty() && QDir(QFileInfo(earlier).path()).removeRecursively());
        if (fault == QLatin1String("blocked"))
            QVERIFY(QDir().mkpath(earlier)); // a folder where the file would go
    }
    if (!withFile)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("dragged card goes without its file")));
    std::unique_ptr<QMimeData> data(transfer(f)->selectedCardData(true));
    QVERIFY(data && data->hasImage() && data->hasText());
    QCOMPARE(data->urls().size(), withFile ? 1 : 0);
    QCOMPARE(inRoot(), rootBefore);

    // A drag by the mouse: the window, not only the log, tells of a missing file.
    if (!withFile)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("dragged card goes without its file")));
    QVERIFY(f.showActive());
    const QPoint at = f.List1()->visualItemRect(f.List1()->item(0)).center();
    QTest::mousePress(f.List1()->viewport(), Qt::LeftButton, {}, at);
    QMouseEvent move(QEvent::MouseMove, at + QPoint(40, 0), at, Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(f.List1()->viewport(), &move);
    QTRY_COMPARE(f.platform.messages.size(), withFile ? 0 : 1);
}

QTEST_MAIN(TstCardTransfer)
#include "tst_cardtransfer.moc"
