// Saving card faces as bitmaps, with real files in temporary folders.
#include "save/CardExport.h"
#include "core/Messages.h"
#include "export/BitmapFile.h"
#include "draw/CardDraw.h"
#include "pictures/CardImageSet.h"
#include "cardface/Deck.h"
#include "tests/support/FakePlatform.h"
#include "app/Form1.h"
#include "core/Failure.h"
#include "core/RandomSource.h"
#include "core/SettingsStore.h"
#include "save/OutputFolder.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestSettings.h"
#include "ui_Form1.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// The card a "Card N" entry stands for.
int cardIndexOf(const QString &entry)
{
    return entry.section(u' ', 1, 1).toInt() - 1;
}

// Opaque pixels must be the face's own; transparent corners come out white.
bool holdsFace(const QString &path, int cardIndex, QString *why)
{
    const QImage saved(path);
    const QImage face = CardImageSet::shared().face(cardIndex).toImage().convertToFormat(QImage::Format_ARGB32);
    if (saved.isNull()) {
        *why = QStringLiteral("cannot read %1").arg(path);
        return false;
    }
    if (saved.size() != QSize(71, 96)) {
        *why = QStringLiteral("%1 is %2x%3").arg(path).arg(saved.width()).arg(saved.height());
        return false;
    }
    for (int y = 0; y < 96; ++y) {
        for (int x = 0; x < 71; ++x) {
            const QRgb f = face.pixel(x, y);
            const QRgb s = saved.pixel(x, y) | 0xff000000u;
            const QRgb want = qAlpha(f) == 255 ? f : (qAlpha(f) == 0 ? 0xffffffffu : s);
            if (s != want) {
                *why = QStringLiteral("%1 differs from face %2 at %3,%4").arg(path).arg(cardIndex).arg(x).arg(y);
                return false;
            }
        }
    }
    return true;
}

} // namespace

class TstCardExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSettings::redirectUserConfig(); }

    void init()
    {
        QVERIFY(m_out.isValid());
        m_platform = std::make_unique<FakePlatform>();
        m_store = std::make_unique<SettingsStore>();
        m_form = std::make_unique<Form1>(*m_store, RandomSource::shared());
        m_form->Form_Load();
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
        ui().Text2->setText(QDir::toNativeSeparators(m_out.path()) + QDir::separator());
        m_platform->messages.clear();
    }

    void cleanup()
    {
        m_form.reset();
        m_store.reset();
        m_platform.reset();
        QDir(m_out.path()).removeRecursively();
        QDir().mkpath(m_out.path());
    }

    void saveAllWritesEveryFaceOfAFullDraw()
    {
        draw(QStringLiteral("52"));
        ui().List1->setCurrentRow(7);
        const QString selected = ui().List1->currentItem()->text();
        const qint64 previewKey = ui().Image1->pixmap().cacheKey();

        m_form->exporter().PushButton1_Click();

        QCOMPARE(messageTexts(), QStringList{Messages::done()});
        QCOMPARE(m_platform->messages.first().icon, Platform::Icon::None);
        QCOMPARE(m_platform->messages.first().title, QStringLiteral("Velmora"));
        QCOMPARE(QDir(m_out.path()).entryList(QDir::Files).size(), 52);
        for (int row = 0; row < 52; ++row) {
            const QString entry = ui().List1->item(row)->text();
            QString why;
            QVERIFY2(holdsFace(m_out.filePath(entry + ".bmp"), cardIndexOf(entry), &why), qPrintable(why));
        }
        QString why;
        QVERIFY2(holdsFace(m_out.filePath("Card 52.bmp"), 51, &why), qPrintable(why));

        // The selection and the preview are as they were, and so is the control.
        QCOMPARE(ui().List1->currentItem()->text(), selected);
        QCOMPARE(ui().Image1->pixmap().cacheKey(), previewKey);
        QCOMPARE(m_form->Deck1()->changeCard(), cardIndexOf(selected));
    }

    void saveSelectedAfterSaveAllWritesTheSelectedFace()
    {
        draw(QStringLiteral("10"));
        ui().List1->setCurrentRow(3);
        const QString selected = ui().List1->currentItem()->text();
        m_form->exporter().PushButton1_Click();
        QDir(m_out.path()).removeRecursively();
        QDir().mkpath(m_out.path());
        m_platform->messages.clear();

        m_form->exporter().PushButton3_Click();

        QCOMPARE(messageTexts(), QStringList{Messages::done()});
        QCOMPARE(QDir(m_out.path()).entryList(QDir::Files), QStringList{selected + ".bmp"});
        QString why;
        QVERIFY2(holdsFace(m_out.filePath(selected + ".bmp"), cardIndexOf(selected), &why), qPrintable(why));
    }

    void saveSelectedReplacesAnEarlierFile()
    {
        draw(QStringLiteral("1"));
        const QString entry = ui().List1->item(0)->text();
        QFile old(m_out.filePath(entry + ".bmp"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old contents");
        old.close();

        m_form->exporter().PushButton3_Click();

        QString why;
        QVERIFY2(holdsFace(m_out.filePath(entry + ".bmp"), cardIndexOf(entry), &why), qPrintable(why));
    }

    void emptyList()
    {
        m_form->exporter().PushButton1_Click();
        m_form->exporter().PushButton3_Click();
        QCOMPARE(messageTexts(), (QStringList{Messages::done(), Messages::noCardSelected()}));
        QVERIFY(QDir(m_out.path()).entryList(QDir::Files).isEmpty());
    }

    void folderTextWithoutFinalSeparatorIsStillThatFolder()
    {
        draw(QStringLiteral("3"));
        const QString inner = m_out.filePath(QStringLiteral("Out"));
        QVERIFY(QDir().mkpath(inner));
        ui().Text2->setText(QDir::toNativeSeparators(inner));

        m_form->exporter().PushButton1_Click();

        QCOMPARE(QDir(inner).entryList(QDir::Files).size(), 3);
        QCOMPARE(QDir(m_out.path()).entryList(QDir::Files).size(), 0);
        QCOMPARE(ui().Text2->text(), QDir::toNativeSeparators(inner)); // as typed
    }

    void unicodeFolderNames()
    {
        draw(QStringLiteral("2"));
        const QString inner = m_out.filePath(QStringLiteral("Карты 札 ♠ Ünï"));
        QVERIFY(QDir().mkpath(inner));
        ui().Text2->setText(QDir::toNativeSeparators(inner) + QDir::separator());

        m_form->exporter().PushButton1_Click();

        QCOMPARE(messageTexts(), QStringList{Messages::done()});
        QCOMPARE(QDir(inner).entryList(QDir::Files).size(), 2);
    }

    void typedFolderIsReadAsTheSystemReadsIt_data()
    {
        QTest::addColumn<QString>("typed"); // %1: the output folder
        QTest::addColumn<QString>("inner"); // where the files must land
#ifdef Q_OS_WIN
        QTest::addRow("the \\\\?\\ prefix") << "\\\\?\\%1\\Out\\" << "Out";
        QTest::addRow("a blank after the name of a folder that exists") << "%1\\Out " << "Out";
#else
        QTest::addRow("a final blank is part of a Unix name") << "%1/Out " << "Out ";
#endif
    }

    void typedFolderIsReadAsTheSystemReadsIt()
    {
        QFETCH(QString, typed);
        QFETCH(QString, inner);
        draw(QStringLiteral("2"));
        QVERIFY(QDir().mkpath(m_out.filePath(inner)));
        const QString native = QDir::toNativeSeparators(m_out.path());
        typed.replace(QLatin1String("%1"), native);
        const QString before = QDir::currentPath();
        QDir::setCurrent(m_out.path());
        ui().Text2->setText(typed);

        m_form->exporter().PushButton1_Click();
        QDir::setCurrent(before);

        QCOMPARE(messageTexts(), QStringList{Messages::done()});
        QCOMPARE(QDir(m_out.filePath(inner)).entryList(QDir::Files).size(), 2);
        QCOMPARE(ui().Text2->text(), typed);
        QCOMPARE(m_store->get(OutputFolder::settingsKey(), QString()), typed);
    }

    void refusalsSayWhyInPlainWords_data()
    {
#ifndef Q_OS_WIN
        QSKIP("these replace the texts of Windows and Qt; elsewhere the system's own are plain");
#endif
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("why");
        QTest::addRow("a read-only card file") << "read-only" << "The file is read-only.";
        QTest::addRow("a card file another program holds open") << "held" << "The file is open in another program.";
        QTest::addRow("a folder with the card file's name") << "folder" << "A folder of that name is in the way.";
        QTest::addRow("no such folder") << "missing" << "The folder does not exist.";
    }

    void refusalsSayWhyInPlainWords()
    {
#ifdef Q_OS_WIN
        QFETCH(QString, kind);
        QFETCH(QString, why);
        QString path = m_out.filePath(QStringLiteral("Card 1.bmp"));
        QFile earlier(path);
        if (kind == QLatin1String("missing")) {
            path = m_out.filePath(QStringLiteral("missing/Card 1.bmp"));
        } else if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else {
            QVERIFY(earlier.open(QIODevice::WriteOnly));
            earlier.write("earlier file");
            earlier.close();
        }
        const std::wstring native = QDir::toNativeSeparators(path).toStdWString();
        if (kind == QLatin1String("read-only"))
            QVERIFY(SetFileAttributesW(native.c_str(), FILE_ATTRIBUTE_READONLY));
        // Shared with nobody, as an editor that locks its file holds it.
        const HANDLE held = kind == QLatin1String("held")
            ? CreateFileW(native.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)
            : INVALID_HANDLE_VALUE;
        QString said;
        try {
            BitmapFile::save(CardImageSet::shared().face(0), path);
        } catch (const Failure &failure) {
            said = failure.description();
        }
        if (held != INVALID_HANDLE_VALUE)
            CloseHandle(held);
        SetFileAttributesW(native.c_str(), FILE_ATTRIBUTE_NORMAL);
        QCOMPARE(said, Messages::cannotWrite(QDir::toNativeSeparators(path), why));
        if (earlier.exists() && QFileInfo(path).isFile()) {
            QVERIFY(earlier.open(QIODevice::ReadOnly));
            QCOMPARE(earlier.readAll(), QByteArray("earlier file"));
        }
#endif
    }

    void unusableFolderText_data()
    {
        QTest::addColumn<QString>("folderText");
        QTest::addRow("an empty folder text") << QString();
        QTest::addRow("blanks only") << QStringLiteral("   ");
        QTest::addRow("a relative folder would land in the working directory") << QStringLiteral("Out");
    }

    void unusableFolderText()
    {
        QFETCH(QString, folderText);
        draw(QStringLiteral("4"));
        const QString before = QDir::currentPath();
        QDir::setCurrent(m_out.path());
        ui().Text2->setText(folderText);

        m_form->exporter().PushButton1_Click();
        m_form->exporter().PushButton3_Click();
        QDir::setCurrent(before);

        // The same plain warning from both buttons (a typo, not a fault), no "Done."
        QCOMPARE(m_platform->messages.size(), 2);
        QVERIFY(m_platform->messages.at(0).text.contains(QStringLiteral("folder")));
        QCOMPARE(m_platform->messages.at(0).icon, Platform::Icon::Warning);
        QCOMPARE(m_platform->messages.at(1).text, m_platform->messages.at(0).text);
        QCOMPARE(m_platform->messages.at(1).icon, Platform::Icon::Warning);
        QVERIFY(!messageTexts().contains(Messages::done()));
        QVERIFY(QDir(m_out.path()).entryList(QDir::Files, QDir::NoSort).isEmpty());
        QVERIFY(QDir(m_out.path() + "/Out").entryList(QDir::Files).isEmpty());
    }

    void unwritableFolder_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addRow("a folder that does not exist") << QStringLiteral("missing");
        QTest::addRow("a file where the folder should be") << QStringLiteral("file");
        QTest::addRow("a name the file system refuses") << QStringLiteral("refused");
    }

    void unwritableFolder()
    {
        QFETCH(QString, kind);
        draw(QStringLiteral("3"));
        QString folder = m_out.filePath(QStringLiteral("nothing here"));
        if (kind == QStringLiteral("file")) {
            QFile f(folder);
            QVERIFY(f.open(QIODevice::WriteOnly));
        } else if (kind == QStringLiteral("refused")) {
            // No file system takes a name longer than 255 bytes.
            folder = m_out.filePath(QString(300, u'x'));
        }
        ui().Text2->setText(folder + QDir::separator());

        m_form->exporter().PushButton1_Click();
        m_form->exporter().PushButton3_Click();

        expectFailedSaves(3);
    }

    void readOnlyFolderKeepsEarlierFile()
    {
        // A folder nobody may write to, even root, holding an earlier file
        // that a failed save must leave intact.
        const QString folder = m_out.filePath(QStringLiteral("ro"));
        const TestFiles::SmallDisk disk(folder);
        if (!TestFiles::write(folder + QStringLiteral("/Card 1.bmp"), "earlier file") || !disk.makeReadOnly())
            QSKIP("mounting a read-only tmpfs is not permitted here");
        draw(QStringLiteral("52"));
        ui().Text2->setText(folder + QDir::separator());

        m_form->exporter().PushButton1_Click();
        m_form->exporter().PushButton3_Click();

        expectFailedSaves(52);
        QCOMPARE(TestFiles::read(folder + QStringLiteral("/Card 1.bmp")), QByteArray("earlier file"));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    void savesDuringARunningDraw()
    {
        ui().Text1->setText(QStringLiteral("6"));
        int yields = 0;
        m_platform->onYield = [&] {
            if (++yields == 4) {
                m_form->exporter().PushButton1_Click();
                m_form->exporter().PushButton3_Click();
            }
        };
        m_form->draw().PushButton2_Click();
        m_platform->onYield = nullptr;

        // The list drawn so far had three entries and nothing selected yet.
        QCOMPARE(QDir(m_out.path()).entryList(QDir::Files).size(), 3);
        QCOMPARE(messageTexts(), (QStringList{Messages::done(), Messages::noCardSelected()}));
        QCOMPARE(ui().List1->count(), 6);
        QCOMPARE(ui().List1->currentRow(), 0);
    }

private:
    Ui::Form1 &ui() { return m_form->controls(); }

    void draw(const QString &count)
    {
        ui().Text1->setText(count);
        m_form->draw().PushButton2_Click();
        m_platform->messages.clear();
    }

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const auto &m : m_platform->messages)
            texts << m.text;
        return texts;
    }

    // One report per failed file (save-all at 114, save-selected at 108), a
    // closing message that tells the truth, and no "Done." anywhere.
    void expectFailedSaves(int cards)
    {
        const auto &messages = m_platform->messages;
        QCOMPARE(messages.size(), cards + 2);
        for (int i = 0; i < cards; ++i) {
            QVERIFY2(messages.at(i).text.contains(QStringLiteral("PushButton1_Click at line 114")),
                     qPrintable(messages.at(i).text));
            QCOMPARE(messages.at(i).title, Messages::applicationError());
        }
        QVERIFY2(messages.at(cards).text.startsWith(Messages::savedSome(0, cards)),
                 qPrintable(messages.at(cards).text));
        QCOMPARE(messages.at(cards).icon, Platform::Icon::Warning);
        QVERIFY(messages.at(cards + 1).text.contains(QStringLiteral("PushButton3_Click at line 108")));
        QVERIFY(!messageTexts().contains(Messages::done()));
    }

    QTemporaryDir m_out;
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<Form1> m_form;
};

QTEST_MAIN(TstCardExport)
#include "tst_cardexport.moc"
