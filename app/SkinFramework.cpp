#include "app/SkinFramework.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QWidget>

SkinFramework::SkinFramework(QObject *parent) : QObject(parent) {}

void SkinFramework::record(const QString &operation, const QVariantList &arguments)
{
    const Call call{operation, arguments};
    m_calls.append(call);
    emit called(call);
}

bool SkinFramework::LoadSkin(const QString &path, const QString &section)
{
    record(QStringLiteral("LoadSkin"), {path, section});
    m_sheet.clear();
    m_refusal.clear();
    m_loaded = readSheet(path);
    if (!m_loaded)
        qWarning("Skin %s set aside: %s", qUtf8Printable(QDir::toNativeSeparators(path)),
                 qUtf8Printable(m_refusal));
    return m_loaded;
}

bool SkinFramework::readSheet(const QString &path)
{
    const QFileInfo info(path);
    // isFile() holds for regular files only (and links to them), never for a
    // FIFO or a device, which reading could block on or never finish.
    if (!info.isFile()) {
        m_refusal = QStringLiteral("not a file");
        return false;
    }
    if (info.size() > maximumSheetSize) {
        m_refusal = QStringLiteral("%1 bytes, too big for a style sheet").arg(info.size());
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_refusal = file.errorString();
        return false;
    }
    // Read one byte past the limit: the file may have grown since the check.
    const QByteArray bytes = file.read(maximumSheetSize + 1);
    if (file.error() != QFileDevice::NoError) {
        m_refusal = file.errorString();
        return false;
    }
    if (bytes.size() > maximumSheetSize) {
        m_refusal = QStringLiteral("too big for a style sheet");
        return false;
    }
    // Skins made for other engines are binary; a NUL byte never appears in a
    // style sheet, and handing binary to Qt's parser only fills the log.
    if (bytes.contains('\0')) {
        m_refusal = QStringLiteral("binary, not a style sheet");
        return false;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        m_refusal = QStringLiteral("not UTF-8 text");
        return false;
    }
    // Qt opens every picture a sheet names while it styles the window: a FIFO
    // would block start-up for ever, a device could be read without end.
    const QString unusable = firstUnusablePicture(text);
    if (!unusable.isEmpty()) {
        m_refusal = QStringLiteral("names %1, which is not a regular file").arg(QDir::toNativeSeparators(unusable));
        return false;
    }
    m_sheet = text;
    return true;
}

namespace {

// The sheet as Qt's style sheet parser reads it: before it looks for
// anything, it turns each backslash and one to six hex digits into that
// character (no blank after them is taken, a code above FFFF is left alone),
// anywhere in the sheet, so "\66ifo" names "fifo" and "u\72l(" is "url(".
QString hexEscapesDecoded(const QString &sheet)
{
    const auto isHex = [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
    };
    QString out;
    out.reserve(sheet.size());
    for (qsizetype i = 0; i < sheet.size();) {
        const QChar c = sheet.at(i++);
        qsizetype digits = 0;
        while (c == u'\\' && i + digits < sheet.size() && digits < 6 && isHex(sheet.at(i + digits)))
            ++digits;
        bool ok = false;
        const ushort code = digits > 0 ? QStringView(sheet).mid(i, digits).toUShort(&ok, 16) : 0;
        if (ok) {
            out += QChar(code);
            i += digits;
        } else {
            out += c;
        }
    }
    return out;
}

// Qt then drops each backslash still standing before a character.
QString otherEscapesDropped(const QString &text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'\\' && i + 1 < text.size())
            ++i;
        out += text.at(i);
    }
    return out;
}

} // namespace

QString SkinFramework::firstUnusablePicture(const QString &sheet)
{
    static const QRegularExpression url(QStringLiteral(R"(url\(\s*(["']?)(.*?)\1\s*\))"),
                                        QRegularExpression::CaseInsensitiveOption
                                            | QRegularExpression::DotMatchesEverythingOption);
    // Each name is checked as written and with its escapes taken away, so a
    // sheet is set aside whichever of them Qt opens.
    for (auto it = url.globalMatch(hexEscapesDecoded(sheet)); it.hasNext();) {
        const QString written = it.next().captured(2).trimmed();
        for (const QString &path : {written, otherEscapesDropped(written)}) {
            // Pictures compiled into the program are no files.
            if (path.isEmpty() || path.startsWith(u':') || path.startsWith(QStringLiteral("qrc:")))
                continue;
            // A missing picture is only missing; a link to a picture is one.
            const QFileInfo info(path);
            if (info.exists() && !info.isFile())
                return path;
        }
    }
    return QString();
}

int SkinFramework::ApplyOptions()
{
    record(QStringLiteral("ApplyOptions"), {});
    return m_options;
}

void SkinFramework::setApplyOptions(int flags)
{
    record(QStringLiteral("setApplyOptions"), {flags});
    m_options = flags;
}

bool SkinFramework::booleanOption(int id) const
{
    return m_booleansOn.contains(id);
}

void SkinFramework::setBooleanOption(int id, bool on)
{
    record(QStringLiteral("setBooleanOption"), {id, on});
    m_booleansOn.removeAll(id);
    if (on)
        m_booleansOn.append(id);
}

void SkinFramework::ApplyWindow(QWidget *window)
{
    record(QStringLiteral("ApplyWindow"), {QVariant::fromValue(static_cast<QObject *>(window))});
    // A sheet Qt cannot parse is ignored by Qt as a whole (with a warning), so
    // even a broken text skin leaves a working window.
    if (window && m_loaded)
        window->setStyleSheet(m_sheet);
}

