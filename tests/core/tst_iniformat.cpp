// The settings file's format: what a person or another INI reader sees, and
// that files written by earlier versions (Qt's escaped INI) read the same.
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
    void qtWrittenFileReadsAsQtWroteIt_data() { valuesRoundTripVerbatim_data(); }
    void qtWrittenFileReadsAsQtWroteIt();
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
    const QByteArray text = IniFormat::serialize(map);
    const QByteArray line = "Number Of Cards=" + value.toUtf8() + '\n';
    QVERIFY(text.startsWith("[Velmora]\n"));
    QVERIFY(text.contains(line));
    QCOMPARE(IniFormat::parse(text), map);
}

// The file exactly as Qt's own INI format wrote it in earlier versions.
void TestIniFormat::qtWrittenFileReadsAsQtWroteIt()
{
    QFETCH(QString, value);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Quenlow.conf"));
    {
        QSettings qt(path, QSettings::IniFormat);
        qt.setValue(QStringLiteral("Velmora/Number Of Cards"), value);
        qt.setValue(QStringLiteral("Velmora/Text2"), value);
        qt.sync();
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY2(text.contains("Number%20Of%20Cards="), text.constData());
    const QSettings::SettingsMap map = IniFormat::parse(text);
    QCOMPARE(map.value(QStringLiteral("Velmora/Number Of Cards")).toString(), value);
    QCOMPARE(map.value(QStringLiteral("Velmora/Text2")).toString(), value);
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
    QTest::addRow("a hand edit in an old file is taken verbatim")
        << QByteArray("[Velmora]\nNumber%20Of%20Cards=5\nText2=/tmp/Cards, 2024/\n") << "Velmora/Text2"
        << "/tmp/Cards, 2024/";
    QTest::addRow("an old file's quoted value is decoded")
        << QByteArray("[Velmora]\nNumber%20Of%20Cards=\" 7\"\n") << "Velmora/Number Of Cards" << " 7";
    QTest::addRow("a line break in a value adds no line of its own")
        << IniFormat::serialize({{QStringLiteral("Velmora/Text2"), QStringLiteral("/a\nLeft=1\r\n")}})
        << "Velmora/Text2" << "/a Left=1  ";
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
