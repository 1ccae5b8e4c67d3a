#include "core/NumberText.h"

#include "core/Failure.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <stdlib.h>
#ifdef __APPLE__
#include <xlocale.h>
#endif
#include <limits>

namespace NumberText {

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Only the plain blank and tab count as padding; anything else is part of the text.
bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QStringView trimmed(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

// Whether the whole text is one number of the grammar above.
bool matchesGrammar(QStringView t)
{
    qsizetype i = 0;
    const qsizetype n = t.size();
    if (i < n && (t[i] == u'+' || t[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < n && isAsciiDigit(t[i])) {
        ++i;
        ++digits;
    }
    if (i < n && t[i] == u'.') {
        ++i;
        while (i < n && isAsciiDigit(t[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (t[i] == u'e' || t[i] == u'E')) {
        ++i;
        if (i < n && (t[i] == u'+' || t[i] == u'-'))
            ++i;
        qsizetype expDigits = 0;
        while (i < n && isAsciiDigit(t[i])) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    return i == n;
}

template<typename Int>
Int toInt(double v)
{
    if (std::isnan(v))
        throw Failure::typeMismatch();
    const double r = roundHalfEven(v);
    if (r < double(std::numeric_limits<Int>::min()) || r > double(std::numeric_limits<Int>::max()))
        throw Failure::overflow();
    return static_cast<Int>(r);
}

double strtodC(const char *text)
{
#ifdef _WIN32
    static const _locale_t c = _create_locale(LC_NUMERIC, "C");
    return _strtod_l(text, nullptr, c);
#else
    static const locale_t c = newlocale(LC_NUMERIC_MASK, "C", locale_t(nullptr));
    return strtod_l(text, nullptr, c);
#endif
}

double requireValue(QStringView text)
{
    const auto v = value(text);
    if (!v)
        throw Failure::typeMismatch();
    return *v;
}

} // namespace

bool isNumeric(QStringView text)
{
    return matchesGrammar(trimmed(text));
}

std::optional<double> value(QStringView text)
{
    const QStringView t = trimmed(text);
    if (!matchesGrammar(t))
        return std::nullopt;
    // The grammar admits only ASCII. QCoreApplication switches the C library
    // to the user's locale, where plain strtod() would stop at the point of
    // "2.5" on a decimal-comma desktop, so the conversion names the C locale.
    // An exponent beyond double range comes back as infinity, which callers
    // treat as "too large" rather than as an error in the text.
    const QByteArray latin = t.toLatin1();
    return strtodC(latin.constData());
}

double roundHalfEven(double v)
{
    if (!std::isfinite(v))
        return v;
    const double floor = std::floor(v);
    const double diff = v - floor;
    if (diff < 0.5)
        return floor;
    if (diff > 0.5)
        return floor + 1.0;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

qint16 toInt16(double v)
{
    return toInt<qint16>(v);
}

qint32 toInt32(double v)
{
    return toInt<qint32>(v);
}

qint16 toInt16(QStringView text)
{
    return toInt16(requireValue(text));
}

qint32 toInt32(QStringView text)
{
    return toInt32(requireValue(text));
}

QStringList splitAtBlanks(const QString &text)
{
    return text.split(u' ', Qt::KeepEmptyParts);
}

} // namespace NumberText
