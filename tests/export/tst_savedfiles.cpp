// A card saved from the window (Save Card As...) and from the command line is
// one file, byte for byte; a PNG says the resolution that gives it its size.
#include "app/CardTransfer.h"
#include "export/CardFile.h"
#include "tests/support/FormFixture.h"
#include "tests/support/TestSettings.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

class TstSavedFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSettings::redirectUserConfig(); }
    void windowAndCommandLineWriteOneFile_data();
    void windowAndCommandLineWriteOneFile();
};

void TstSavedFiles::windowAndCommandLineWriteOneFile_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("width"); // of a PNG
    QTest::addColumn<int>("dpi");   // that a PNG says; none for a drawing
    QTest::addRow("the picture's own size says 96 dpi") << "png" << int(CardFile::PictureWidth) << 96;
    QTest::addRow("a print size says the dpi that makes the card 63 mm wide") << "png" << CardFile::widthAtDpi(300)
                                                                               << 300;
    QTest::addRow("a drawing names its card the same way") << "svg" << 0 << 0;
}

void TstSavedFiles::windowAndCommandLineWriteOneFile()
{
    QFETCH(QString, format);
    QFETCH(int, width);
    QFETCH(int, dpi);
    QTemporaryDir cli;
    QTemporaryDir window;
    const auto contents = [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QProcess velmora;
    QStringList args{"--draw", "1", "--save-to", cli.path(), "--format", format};
    if (format == QLatin1String("png"))
        args << "--size" << QString::number(width);
    velmora.start(QStringLiteral(VELMORA_EXE), args);
    QVERIFY(velmora.waitForFinished(60000));
    QCOMPARE(velmora.exitCode(), 0);
    const QString entry = QString::fromUtf8(velmora.readAllStandardOutput()).section(u'\t', 0, 0);
    const QString name = entry + u'.' + format;
    const QByteArray fromCli = contents(cli.filePath(name));
    QVERIFY2(!fromCli.isEmpty(), qPrintable(entry));

    // The same card through the window's menu, with the file type that
    // names this size among those offered.
    FormFixture f;
    f.List1()->addItem(entry);
    f.List1()->setCurrentRow(0);
    f.Text2()->setText(window.path() + u'/');
    QAction *saveAs = f.form().findChild<CardTransfer *>()->saveCardAsAction();
    saveAs->trigger(); // cancelled: only to see the choices
    QString filter;
    for (const QString &offered : f.platform.saveFilters.constFirst().split(QStringLiteral(";;")))
        if (offered.contains(QStringLiteral("*.") + format)
            && (format != QLatin1String("png") || offered.contains(QStringLiteral(", %1 x ").arg(width))))
            filter = offered;
    QVERIFY(!filter.isEmpty());
    f.platform.saveAnswers.append({window.filePath(name), filter});
    saveAs->trigger();
    QVERIFY(f.platform.messages.isEmpty());
    QCOMPARE(contents(window.filePath(name)), fromCli);

    const QImage image(window.filePath(name), "PNG");
    QCOMPARE(image.width(), width);
    QCOMPARE(std::lround(image.dotsPerMeterX() * 0.0254), long(dpi));
    QCOMPARE(image.dotsPerMeterY(), image.dotsPerMeterX());
}

QTEST_MAIN(TstSavedFiles)
#include "tst_savedfiles.moc"
