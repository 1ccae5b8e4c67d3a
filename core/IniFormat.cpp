#include "core/IniFormat.h"

#include <QFileDevice>
#include <QFileInfo>
#include <QHash>
#include <QIODevice>
#include <QStringDecoder>
#include <optional>

namespace IniFormat {

namespace {

// Where values without a section of their own live, as Qt names it.
const QString generalSection = QStringLiteral("General");

QString decodeLine(const QByteArray &line)
{
    // A file edited in a Latin-1 editor still reads as its letters, not as
    // replacement characters.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(line);
    return utf8.hasError() ? QString::fromLatin1(line) : text;
}

// One line of the file as the reader takes it.
struct Line {
    QByteArray bytes;          // as in the file, without its line feed
    QString prefix;            // of the keys from here on: "Velmora/", or empty
    bool isHeader = false;
    QString key;               // a value line's full key, else empty
    QString value;
    qsizetype valueAt = 0;     // where a value line's value starts in bytes
};

QList<Line> scan(const QByteArray &text)
{
    QList<Line> lines;
    QString prefix;
    const QList<QByteArray> raw = text.split('\n');
    for (qsizetype i = 0; i < raw.size(); ++i) {
        Line line;
        line.bytes = raw[i];
        QByteArray content = raw[i];
        if (content.endsWith('\r'))
            content.chop(1);
        if (i == 0 && content.startsWith("\xEF\xBB\xBF"))
            content.remove(0, 3);
        const QString decoded = decodeLine(content);
        const QString trimmed = decoded.trimmed();
        const qsizetype equals = decoded.indexOf(u'=');
        if (trimmed.isEmpty() || trimmed.startsWith(u';') || trimmed.startsWith(u'#')) {
            // a comment or a blank line
        } else if (trimmed.startsWith(u'[') && trimmed.contains(u']')) {
            const QString section = trimmed.mid(1, trimmed.indexOf(u']') - 1).trimmed();
            prefix = section.compare(generalSection, Qt::CaseInsensitive) == 0 ? QString() : section + u'/';
            line.isHeader = true;
        } else if (equals >= 0 && !decoded.left(equals).trimmed().isEmpty()) {
            line.key = prefix + decoded.left(equals).trimmed();
            line.value = decoded.mid(equals + 1);
            // "=" is one byte in UTF-8 and Latin-1 alike, and in no other
            // character's bytes.
            line.valueAt = raw[i].indexOf('=') + 1;
        }
        line.prefix = prefix;
        lines.append(line);
    }
    return lines;
}

QString textOf(const QVariant &value)
{
    return value.userType() == QMetaType::QStringList ? value.toStringList().join(QStringLiteral(", "))
                                                      : value.toString();
}

bool readDevice(QIODevice &device, QSettings::SettingsMap &map)
{
    // A file this big is none of ours: reading it would cost seconds and
    // memory at every start.
    const QByteArray text = device.read(maximumFileSize + 1);
    if (text.size() > maximumFileSize)
        return false;
    map = parse(text);
    return true;
}

// The text of the file a write replaces. QSettings hands the writer the
// values only, through a QSaveFile named after that file; the lines no value
// stands for (comments, lines it cannot read, other sections as written) are
// read back from the file itself, which QSettings keeps locked meanwhile.
// Nothing when the file cannot be read whole: writing then would lose them.
std::optional<QByteArray> replacedText(QIODevice &device)
{
    const auto *save = qobject_cast<QFileDevice *>(&device);
    if (!save)
        return QByteArray();
    const QFileInfo info(save->fileName());
    if (!info.exists() && !info.isSymLink())
        return QByteArray();
    if (!info.isFile() || info.size() > maximumFileSize)
        return std::nullopt;
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray text = file.read(maximumFileSize + 1);
    if (file.error() != QFileDevice::NoError || text.size() > maximumFileSize)
        return std::nullopt;
    return text;
}

bool writeDevice(QIODevice &device, const QSettings::SettingsMap &map)
{
    const std::optional<QByteArray> before = replacedText(device);
    if (!before)
        return false;
    const QByteArray bytes = update(*before, map);
    return device.write(bytes) == bytes.size();
}

} // namespace

QSettings::Format format()
{
    static const QSettings::Format registered =
        QSettings::registerFormat(QStringLiteral("conf"), readDevice, writeDevice);
    return registered;
}

QSettings::SettingsMap parse(const QByteArray &text)
{
    QSettings::SettingsMap map;
    for (const Line &line : scan(text)) {
        if (!line.key.isEmpty())
            map.insert(line.key, line.value);
    }
    return map;
}

QByteArray update(const QByteArray &text, const QSettings::SettingsMap &values)
{
    QList<Line> lines = scan(text);
    const bool endsWithLineFeed = text.endsWith('\n');
    if (lines.last().bytes.isEmpty())
        lines.removeLast();   // what follows the last line feed
    const QByteArray cr = !lines.isEmpty() && lines.first().bytes.endsWith('\r') ? "\r" : "";

    // A key reads from its last line; a section ends at its last header or
    // value line.
    QHash<QString, qsizetype> valueLine;
    QHash<QString, qsizetype> sectionEnd;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines[i].key.isEmpty())
            valueLine.insert(lines[i].key, i);
        if (lines[i].isHeader || !lines[i].key.isEmpty())
            sectionEnd.insert(lines[i].prefix, i);
    }

    QHash<qsizetype, QList<QByteArray>> addedAfter;
    QList<QString> newSections;
    QHash<QString, QList<QByteArray>> newSectionLines;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const QString value = textOf(it.value());
        const auto at = valueLine.constFind(it.key());
        if (at != valueLine.cend() && lines[*at].value == value)
            continue;
        const QByteArray written = QString(value).replace(u'\r', u' ').replace(u'\n', u' ').toUtf8();
        if (at != valueLine.cend()) {
            Line &line = lines[*at];
            line.bytes = line.bytes.left(line.valueAt) + written + (line.bytes.endsWith('\r') ? "\r" : "");
            continue;
        }
        const qsizetype slash = it.key().indexOf(u'/');
        const QString prefix = it.key().left(slash + 1);
        const QByteArray entry = it.key().mid(slash + 1).toUtf8() + '=' + written + cr;
        if (const auto end = sectionEnd.constFind(prefix); end != sectionEnd.cend()) {
            addedAfter[*end].append(entry);
        } else {
            if (!newSectionLines.contains(prefix))
                newSections.append(prefix);
            newSectionLines[prefix].append(entry);
        }
    }

    QList<QByteArray> out;
    for (qsizetype i = 0; i < lines.size(); ++i)
        out << lines[i].bytes << addedAfter.value(i);
    for (const QString &prefix : std::as_const(newSections)) {
        if (!out.isEmpty())
            out << cr;
        out << '[' + (prefix.isEmpty() ? generalSection : prefix.chopped(1)).toUtf8() + ']' + cr
            << newSectionLines.value(prefix);
    }
    const bool addedAtEnd = !newSections.isEmpty() || addedAfter.contains(lines.size() - 1);
    QByteArray result = out.join('\n');
    if (!out.isEmpty() && (endsWithLineFeed || addedAtEnd))
        result += '\n';
    return result;
}

} // namespace IniFormat
