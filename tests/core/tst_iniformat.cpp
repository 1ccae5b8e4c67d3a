// The settings file's format: what a person or another INI reader sees, and
// that writing a value leaves every other line of the file as it was.
#include "core/IniFormat.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestIniFormat : public QObject
{
    Q_OBJECT

private slots:
    void valuesRoundTripVerbatim_data();
    void valuesRoundTripVerbatim();
    void writingChangesOnlyTheValuesItWrites_data();
    void writingChangesOnlyTheValuesItWrites();
    void handWrittenLines_data();
    void handWrittenLines();
};

void TestIniFormat::valuesRoundTripVerbatim_data()
{
    QTest::addColumn<QString>("value");

    QTest::addRow("a comma is no list separator") << "/tmp/Cards, 2024/";
    QTest::addRow("a semicolon starts no comment") << "/tmp/a;b/";
    QTest::addRow("backslashes stay") << "C:\\Cards\\new\\";
    QTest::addRow("quotes stay") << "\"quoted\" and 'single'";
    QTest::addRow("a leading @ names no type") << "@Variant(\\0\\0\\0\\x7f)";
    QTest::addRow("a doubled @ stays doubled") << "@@x";
    QTest::addRow("an equals sign inside") << "a=b==c";
    QTest::addRow("blanks at both ends stay") << "  7 ";
    QTest::addRow("non-ASCII text") << "/tmp/Kärten ✓ 日本 😀/";
    QTest::addRow("a value starting like a comment") << "#1 ;2";
    QTest::addRow("percent escapes stay text") << "100%20off";
    QTest::addRow("empty value") << "";
    QTest::addRow("a very long value") << QString(40000, u'ß') + QStringLiteral(",;\\\"");
}

void TestIniFormat::valuesRoundTripVerbatim()
{
    QFETCH(QString, value);
    const QSettings::SettingsMap map{{QStringLiteral("Velmora/Number Of Cards"), value},
                                     {QStringLiteral("Velmora/Text2"), value}};
    const QByteArray text = IniFormat::update(QByteArray(), map);
    const QByteArray line = "Number Of Cards=" + value.toUtf8() + '\n';
    QVERIFY(text.startsWith("[Velmora]\n"));
    QVERIFY(text.contains(line));
    QCOMPARE(IniFormat::parse(text), map);
}

// Through QSettings into a real file, as the store writes: the file is
// shared with people and other programs.
void TestIniFormat::writingChangesOnlyTheValuesItWrites_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    const QString left = QStringLiteral("Velmora/Left");
    QTest::addRow("comments, blank and unreadable lines and Latin-1 text stay byte for byte")
        << QByteArray("; mine\n[Velmora]\n# note\nLeft=5\n\nno equals sign\n=no key\nText2=/K\xe4rten/\n") << left
        << "7" << QByteArray("; mine\n[Velmora]\n# note\nLeft=7\n\nno equals sign\n=no key\nText2=/K\xe4rten/\n");
    QTest::addRow("other sections' keys stay as written")
        << QByteArray("a]b/c=4\n[Other]\nx/y=1\n spaced = v \n[Velmora]\nLeft=1\n") << left << "2"
        << QByteArray("a]b/c=4\n[Other]\nx/y=1\n spaced = v \n[Velmora]\nLeft=2\n");
    QTest::addRow("the line read changes after its '=', keeping its blanks and line end")
        << QByteArray("[Velmora]\r\nLeft=1\r\n  Left  = 2\r\nTop=3\r\n") << left << "9"
        << QByteArray("[Velmora]\r\nLeft=1\r\n  Left  =9\r\nTop=3\r\n");
    QTest::addRow("a new key joins the end of its section")
        << QByteArray("[Velmora]\nTop=3\n\n[Other]\nk=v") << left << "9"
        << QByteArray("[Velmora]\nTop=3\nLeft=9\n\n[Other]\nk=v");
    QTest::addRow("a missing section is added at the end") << QByteArray("[Other]\nk=v") << left << "9"
                                                           << QByteArray("[Other]\nk=v\n\n[Velmora]\nLeft=9\n");
    QTest::addRow("a line break in a value adds no line of its own")
        << QByteArray() << left << "/a\nTop=1\r\n" << QByteArray("[Velmora]\nLeft=/a Top=1  \n");
}

void TestIniFormat::writingChangesOnlyTheValuesItWrites()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("Quenlow.conf")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(before) == before.size());
    file.close();
    {
        QSettings settings(file.fileName(), IniFormat::format());
        settings.setValue(key, value);
        settings.sync();
        QCOMPARE(settings.status(), QSettings::NoError);
    }
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), after);
}

void TestIniFormat::handWrittenLines_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::addRow("blanks around the key are no part of it")
        << QByteArray("[Velmora]\n  Number Of Cards  =12\n") << "Velmora/Number Of Cards" << "12";
    QTest::addRow("Windows line ends") << QByteArray("[Velmora]\r\nText2=/a b/\r\n") << "Velmora/Text2" << "/a b/";
    QTest::addRow("comment lines are skipped")
        << QByteArray("; note\n# note\n[Velmora]\n;Text2=/no/\nText2=/yes/\n") << "Velmora/Text2" << "/yes/";
    QTest::addRow("a byte order mark is skipped") << QByteArray("\xEF\xBB\xBF[Velmora]\nText2=x\n")
                                                  << "Velmora/Text2" << "x";
    QTest::addRow("Latin-1 text keeps its letters")
        << QByteArray("[Velmora]\nText2=/tmp/K\xe4rten/\n") << "Velmora/Text2" << "/tmp/Kärten/";
}

void TestIniFormat::handWrittenLines()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, key);
    QFETCH(QString, value);
    const QSettings::SettingsMap map = IniFormat::parse(text);
    QCOMPARE(map.value(key).toString(), value);
    QVERIFY(!map.contains(QStringLiteral("Velmora/Left")));
}

QTEST_GUILESS_MAIN(TestIniFormat)
#include "tst_iniformat.moc"
