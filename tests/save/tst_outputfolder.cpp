// The output folder field: the desktop default, the folder browser, and the
// stored text across starts.
#include "export/AddFolder.h"
#include "core/Messages.h"
#include "tests/support/FakePlatform.h"
#include "core/Guard.h"
#include "app/Form1.h"
#include "save/FolderMark.h"
#include "save/OutputFolder.h"
#include "core/RandomSource.h"
#include "core/SettingsStore.h"
#include "tests/support/TestSettings.h"
#include "ui_Form1.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <memory>

class TstOutputFolder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSettings::redirectUserConfig(); }

    void cleanup()
    {
        m_form.reset();
        m_store.reset();
        m_platform.reset();
        TestSettings::clearUserStore();
#ifndef Q_OS_WIN
        QDir(QDir::homePath() + QStringLiteral("/Desktop")).removeRecursively();
#endif
    }

    void cleanupTestCase()
    {
#ifdef Q_OS_WIN
        // There the desktop is the user's own, not a folder of the suite's:
        // without it Wine's shell cannot even make its file dialogs.
        QVERIFY2(QFileInfo(QDir::homePath() + QStringLiteral("/Desktop")).isDir(),
                 "the suite removed the user's desktop folder");
#endif
    }

    void firstStartDefault_data()
    {
        QTest::addColumn<bool>("desktopExists");
        QTest::addRow("the desktop folder when it exists") << true;
        QTest::addRow("the home folder when there is no desktop folder") << false;
    }

    void firstStartDefault()
    {
        QFETCH(bool, desktopExists);
        const QString desktop = QDir::homePath() + QStringLiteral("/Desktop");
#ifdef Q_OS_WIN
        if (!desktopExists)
            QSKIP("On Windows the desktop folder is the user's own: the suite does not remove it");
#endif
        if (desktopExists)
            QVERIFY(QDir().mkpath(desktop));
        start();
        const QString expected = QDir::toNativeSeparators(desktopExists ? desktop : QDir::homePath())
            + QDir::separator();
        QCOMPARE(text2(), expected);
        QCOMPARE(TestSettings::readUserValue(QStringLiteral("Text2")), expected);
    }

    void browse_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("expected");
        const QString pics = QDir::toNativeSeparators(QDir::tempPath() + QStringLiteral("/Pics"));
        QTest::addRow("a folder gets one final separator") << pics << pics + QDir::separator();
        QTest::addRow("a root gets none") << QDir::toNativeSeparators(QDir::rootPath())
                                          << QDir::toNativeSeparators(QDir::rootPath());
        QTest::addRow("a path already ending in a separator is kept")
            << pics + QDir::separator() << pics + QDir::separator();
    }

    void browse()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, expected);
        start();
        m_platform->browseAnswers = {chosen};
        ui().PushButton9->click();
        QCOMPARE(text2(), expected);
        QCOMPARE(TestSettings::readUserValue(QStringLiteral("Text2")), expected);
        QCOMPARE(m_platform->browsePrompts, QStringList{Messages::selectFolder()});
        QVERIFY(m_platform->messages.isEmpty());
    }

    void browseStartsAtTheDesktopWhateverTheField()
    {
        const QString desktop = QDir::homePath() + QStringLiteral("/Desktop");
        QVERIFY(QDir().mkpath(desktop));
        start();
        ui().Text2->setText(QDir::tempPath());
        m_platform->browseAnswers = {QDir::tempPath(), QString()};
        m_form->outputFolder().PushButton9_Click();
        m_form->outputFolder().PushButton9_Click();
        const QStringList expected{QDir::toNativeSeparators(desktop), QDir::toNativeSeparators(desktop)};
        QCOMPARE(m_platform->browseStarts, expected);
    }

    void cancellingChangesNothing()
    {
        start();
        ui().Text2->setText(QStringLiteral("/somewhere/"));
        m_platform->browseAnswers = {QString()};
        m_form->outputFolder().PushButton9_Click();
        QCOMPARE(text2(), QStringLiteral("/somewhere/"));
        QCOMPARE(TestSettings::readUserValue(QStringLiteral("Text2")), QStringLiteral("/somewhere/"));
    }

    void typedTextIsStoredAsTypedAndComesBack()
    {
        start();
        ui().Text2->clear();
        QTest::keyClicks(ui().Text2, QStringLiteral("/a b"));
        QCOMPARE(TestSettings::readUserValue(QStringLiteral("Text2")), QStringLiteral("/a b"));
        ui().Text2->clear();
        bool present = false;
        QCOMPARE(TestSettings::readUserValue(QStringLiteral("Text2"), &present), QString());
        QVERIFY(present);

        restart();
        QCOMPARE(text2(), QString()); // the default applies only while nothing is stored
    }

    void failedBrowseEndsWithoutChange()
    {
        start();
        ui().Text2->setText(QStringLiteral("/kept/"));
        m_platform->browseAnswers = {QStringLiteral("/never/used")};
        Guard::setInjector([](const QString &, int line) { return line == 100; });
        m_form->outputFolder().PushButton9_Click();
        Guard::setInjector(nullptr);
        QCOMPARE(m_platform->messages.size(), 1);
        QVERIFY(m_platform->messages.first().text.contains(QStringLiteral("PushButton9_Click at line 100")));
        QCOMPARE(text2(), QStringLiteral("/kept/"));
    }

    void failedTestsTakeTheTrueBranch_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("expected");
        // 102 failing goes on at 104: the chosen folder is still set.
        QTest::addRow("102 goes on at 104") << 102 << QStringLiteral("/x/y/");
        // 104 failing goes on at 106: the separator is added.
        QTest::addRow("104 goes on at 106") << 104 << QStringLiteral("/x/y/");
    }

    void failedTestsTakeTheTrueBranch()
    {
        QFETCH(int, line);
        QFETCH(QString, expected);
        start();
        // The folder browser answers in the system's own separators.
        m_platform->browseAnswers = {QDir::toNativeSeparators(QStringLiteral("/x/y"))};
        Guard::setInjector([line](const QString &, int l) { return l == line; });
        m_form->outputFolder().PushButton9_Click();
        Guard::setInjector(nullptr);
        QCOMPARE(text2(), QDir::toNativeSeparators(expected));
        QCOMPARE(m_platform->messages.size(), 1);
    }

    void fieldMarksAFolderThatIsNotThere_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("marked");
        QTest::addRow("an existing folder is not marked") << QDir::tempPath() + QStringLiteral("/") << false;
        QTest::addRow("a missing folder is marked") << QDir::tempPath() + QStringLiteral("/no such deck/") << true;
        QTest::addRow("a relative path is marked") << QStringLiteral("Cards") << true;
    }

    void fieldMarksAFolderThatIsNotThere()
    {
        QFETCH(QString, folder);
        QFETCH(bool, marked);
        start();
        const auto mark = m_form->findChild<FolderMark *>();
        QVERIFY(mark);
        QTRY_VERIFY(!mark->isShown()); // the default folder exists
        const QString description = ui().Text2->accessibleDescription();
        // Marked first, so that the row also shows the mark going away.
        ui().Text2->setText(QDir::tempPath() + QStringLiteral("/a/b/c"));
        QTRY_VERIFY(mark->isShown());
        ui().Text2->setText(QDir::toNativeSeparators(folder));
        QTRY_COMPARE(mark->isShown(), marked);
        QCOMPARE(ui().Text2->toolTip() == FolderMark::missingText(), marked);
        QCOMPARE(ui().Text2->accessibleDescription() == description, !marked);
        QCOMPARE(ui().Text2->accessibleDescription().startsWith(FolderMark::missingText()), marked);
        // What the field holds is still what was typed.
        QCOMPARE(text2(), QDir::toNativeSeparators(folder));
    }

private:
    Ui::Form1 &ui() { return m_form->controls(); }
    QString text2() { return ui().Text2->text(); }

    void start()
    {
        m_platform = std::make_unique<FakePlatform>();
        m_store = std::make_unique<SettingsStore>();
        m_form = std::make_unique<Form1>(*m_store, RandomSource::shared());
        m_form->Form_Load();
        m_form->show();
    }

    void restart()
    {
        m_form.reset();
        m_store.reset();
        m_platform.reset();
        start();
    }

    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<Form1> m_form;
};

QTEST_MAIN(TstOutputFolder)
#include "tst_outputfolder.moc"
