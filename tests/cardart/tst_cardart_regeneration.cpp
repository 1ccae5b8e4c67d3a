// The committed pictures must be exactly what the generator draws: anyone can
// rebuild them, and nobody can slip in a picture from elsewhere.
#include "tests/cardart/PictureFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace PictureFiles;

class tst_CardartRegeneration : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void generatedFileMatchesCommitted_data();
    void generatedFileMatchesCommitted();
    void writesNothingElse();
    void unwritableTargetIsReported();

private:
    QTemporaryDir m_dir;
    QString m_pictures;
    QString m_icons;
};

void tst_CardartRegeneration::initTestCase()
{
    if (QStringLiteral(CARDART_EXECUTABLE).isEmpty())
        QSKIP("the picture generator was not built: giflib (libgif-dev) was not found when configuring");
    QVERIFY(m_dir.isValid());
    m_pictures = m_dir.filePath(QStringLiteral("pictures"));
    m_icons = m_dir.filePath(QStringLiteral("icons"));
    QProcess run;
    run.start(QStringLiteral(CARDART_EXECUTABLE),
              {QStringLiteral("--out"), m_pictures, QStringLiteral("--icons"), m_icons});
    QVERIFY(run.waitForFinished(240000));
    QVERIFY2(run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0, run.readAllStandardError().constData());
}

void tst_CardartRegeneration::generatedFileMatchesCommitted_data()
{
    QTest::addColumn<QString>("generated");
    QTest::addColumn<QString>("committed");
    for (const QString &f : pictures())
        QTest::newRow(qPrintable(f)) << QDir(m_pictures).filePath(f) << QDir(pictureDir()).filePath(f);
    for (const QString &f : icons())
        QTest::newRow(qPrintable(f)) << QDir(m_icons).filePath(f) << QDir(iconDir()).filePath(f);
}

void tst_CardartRegeneration::generatedFileMatchesCommitted()
{
    QFETCH(QString, generated);
    QFETCH(QString, committed);
    const QByteArray fresh = read(generated);
    const QByteArray stored = read(committed);
    QVERIFY2(!fresh.isEmpty(), "the generator did not write this file");
    QVERIFY2(!stored.isEmpty(), "the file is not committed");
    if (fresh != stored) {
        int at = 0;
        while (at < fresh.size() && at < stored.size() && fresh.at(at) == stored.at(at))
            ++at;
        QFAIL(qPrintable(QStringLiteral("differs from byte %1 (sizes %2 and %3); rerun cardart")
                             .arg(at).arg(fresh.size()).arg(stored.size())));
    }
}

void tst_CardartRegeneration::writesNothingElse()
{
    QStringList written = QDir(m_pictures).entryList(QDir::Files);
    QStringList expected = pictures();
    written.sort();
    expected.sort();
    QCOMPARE(written, expected);
    written = QDir(m_icons).entryList(QDir::Files);
    expected = icons();
    written.sort();
    expected.sort();
    QCOMPARE(written, expected);
}

void tst_CardartRegeneration::unwritableTargetIsReported()
{
    // A plain file where the folder should be: the generator must stop with
    // a message naming the place, not crash or claim success.
    const QString blocker = m_dir.filePath(QStringLiteral("blocker"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QProcess run;
    run.start(QStringLiteral(CARDART_EXECUTABLE), {QStringLiteral("--out"), blocker + QStringLiteral("/pictures")});
    QVERIFY(run.waitForFinished(240000));
    QVERIFY(run.exitCode() != 0);
    QVERIFY(QString::fromLocal8Bit(run.readAllStandardError()).contains(QStringLiteral("blocker")));
}

QTEST_GUILESS_MAIN(tst_CardartRegeneration)
#include "tst_cardart_regeneration.moc"
