#include "core/IniFormat.h"

#include <QIODevice>
#include <QRegularExpression>
#include <QStringDecoder>

namespace IniFormat {

namespace {

// Where values without a section of their own live, as Qt names it.
const QString generalSection = QStringLiteral("General");

bool isHexDigit(char16_t c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// The text Qt 6's INI format writes for a string value.
QString qtEscaped(const QString &value)
{
    const QString text = value.startsWith(u'@') ? u'@' + value : value;
    QString out;
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    for (const QChar c : text) {
        const char16_t ch = c.unicode();
        if (ch == ';' || ch == ',' || ch == '=')
            needsQuotes = true;
        if (escapeNextIfDigit && isHexDigit(ch)) {
            out += QStringLiteral("\\x") + QString::number(ch, 16);
            continue;
        }
        escapeNextIfDigit = false;
        switch (ch) {
        case 0: out += QStringLiteral("\\0"); escapeNextIfDigit = true; break;
        case '\a': out += QStringLiteral("\\a"); break;
        case '\b': out += QStringLiteral("\\b"); break;
        case '\f': out += QStringLiteral("\\f"); break;
        case '\n': out += QStringLiteral("\\n"); break;
        case '\r': out += QStringLiteral("\\r"); break;
        case '\t': out += QStringLiteral("\\t"); break;
        case '\v': out += QStringLiteral("\\v"); break;
        case '"':
        case '\\':
            out += u'\\';
            out += c;
            break;
        default:
            if (ch <= 0x1F) {
                out += QStringLiteral("\\x") + QString::number(ch, 16);
                escapeNextIfDigit = true;
            } else {
                out += c;
            }
        }
    }
    if (needsQuotes || out.startsWith(u' ') || out.endsWith(u' '))
        out = u'"' + out + u'"';
    return out;
}

// Undoes qtEscaped() where the text is exactly what it writes for some value;
// anything else (a hand edit, a list, a typed value) stays as it stands.
QString qtValue(const QString &raw)
{
    QString body = raw;
    if (raw.size() >= 2 && raw.startsWith(u'"') && raw.endsWith(u'"'))
        body = raw.mid(1, raw.size() - 2);
    QString text;
    for (qsizetype i = 0; i < body.size(); ++i) {
        const QChar c = body.at(i);
        if (c != u'\\' || i + 1 == body.size()) {
            text += c;
            continue;
        }
        const char16_t e = body.at(++i).unicode();
        static const QString named = QStringLiteral("abfnrtv");
        static const char16_t controls[] = {'\a', '\b', '\f', '\n', '\r', '\t', '\v'};
        if (named.contains(QChar(e))) {
            text += QChar(controls[named.indexOf(QChar(e))]);
        } else if (e == '"' || e == '\\') {
            text += QChar(e);
        } else if (e == 'x' || (e >= '0' && e <= '7')) {
            const int base = e == 'x' ? 16 : 8;
            qsizetype j = e == 'x' ? i + 1 : i;
            uint code = 0;
            while (j < body.size() && code <= 0xFFFF
                   && (base == 16 ? isHexDigit(body.at(j).unicode())
                                  : (body.at(j) >= u'0' && body.at(j) <= u'7')))
                code = code * base + uint(QString(body.at(j++)).toUInt(nullptr, 16));
            if (code > 0xFFFF || j == (e == 'x' ? i + 1 : i))
                return raw;
            text += QChar(char16_t(code));
            i = j - 1;
        } else {
            return raw;
        }
    }
    if (text.startsWith(QStringLiteral("@@")))
        text.remove(0, 1);
    return qtEscaped(text) == raw ? text : raw;
}

// Qt's key escapes: %XX and %UXXXX for a character, a backslash for "/".
QString qtKey(const QString &raw)
{
    QString key;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw.at(i);
        bool ok = false;
        if (c == u'%' && i + 5 < raw.size() && raw.at(i + 1) == u'U') {
            const uint code = raw.mid(i + 2, 4).toUInt(&ok, 16);
            if (ok) {
                key += QChar(char16_t(code));
                i += 5;
                continue;
            }
        }
        if (c == u'%' && i + 2 < raw.size()) {
            const uint code = raw.mid(i + 1, 2).toUInt(&ok, 16);
            if (ok) {
                key += QChar(char16_t(code));
                i += 2;
                continue;
            }
        }
        key += c == u'\\' ? u'/' : c;
    }
    return key;
}

QString decodeLine(const QByteArray &line)
{
    // A file edited in a Latin-1 editor still reads as its letters, not as
    // replacement characters.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(line);
    return utf8.hasError() ? QString::fromLatin1(line) : text;
}

bool readDevice(QIODevice &device, QSettings::SettingsMap &map)
{
    map = parse(device.readAll());
    return true;
}

bool writeDevice(QIODevice &device, const QSettings::SettingsMap &map)
{
    const QByteArray bytes = serialize(map);
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
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.first().startsWith("\xEF\xBB\xBF"))
        lines.first().remove(0, 3);

    // An earlier version's file: Qt escaped every blank of "Number Of Cards".
    static const QRegularExpression percentEscape(QStringLiteral("%(U[0-9A-Fa-f]{4}|[0-9A-Fa-f]{2})"));
    struct Line {
        bool isSection;
        QString key;   // or the section name
        QString value;
    };
    QList<Line> parsed;
    bool writtenByQt = false;
    for (QByteArray &bytes : lines) {
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        const QString line = decodeLine(bytes);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u';') || trimmed.startsWith(u'#'))
            continue;
        if (trimmed.startsWith(u'[') && trimmed.contains(u']')) {
            parsed.append({true, trimmed.mid(1, trimmed.indexOf(u']') - 1).trimmed(), QString()});
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        if (key.isEmpty())
            continue;
        writtenByQt = writtenByQt || key.contains(percentEscape);
        parsed.append({false, key, line.mid(equals + 1)});
    }

    QSettings::SettingsMap map;
    QString prefix;
    for (const Line &line : std::as_const(parsed)) {
        if (line.isSection) {
            const QString section = writtenByQt ? qtKey(line.key) : line.key;
            prefix = section.compare(generalSection, Qt::CaseInsensitive) == 0 ? QString() : section + u'/';
            continue;
        }
        const QString key = writtenByQt ? qtKey(line.key) : line.key;
        map.insert(prefix + key, writtenByQt ? qtValue(line.value) : line.value);
    }
    return map;
}

QByteArray serialize(const QSettings::SettingsMap &values)
{
    // Grouped by section, in the order QSettings hands them (sorted by key).
    QList<QString> sections;
    QHash<QString, QList<std::pair<QString, QString>>> bySection;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(u'/');
        const QString section = slash < 0 ? generalSection : it.key().left(slash);
        const QString key = slash < 0 ? it.key() : it.key().mid(slash + 1);
        const QVariant &v = it.value();
        QString value = v.userType() == QMetaType::QStringList ? v.toStringList().join(QStringLiteral(", "))
                                                               : v.toString();
        value.replace(u'\r', u' ').replace(u'\n', u' ');
        if (!bySection.contains(section))
            sections.append(section);
        bySection[section].append({key, value});
    }
    QByteArray out;
    for (const QString &section : std::as_const(sections)) {
        if (!out.isEmpty())
            out += '\n';
        out += '[' + section.toUtf8() + "]\n";
        for (const auto &[key, value] : std::as_const(bySection[section]))
            out += key.toUtf8() + '=' + value.toUtf8() + '\n';
    }
    return out;
}

} // namespace IniFormat
