// libFuzzer target for the number-text rules. Every consumer of a count or a
// list entry relies on these invariants, so any input that breaks one is a
// fault: a crash, a conversion that neither returns nor throws Failure, a
// grammar that disagrees with its own value reader, a rounding that moves a
// value by more than a half.
#include "core/Failure.h"
#include "core/Messages.h"
#include "core/NumberText.h"

#include <QRegularExpression>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

// The grammar written a second way: blanks, sign, digits with a point, exponent.
bool matchesReference(const QString &text)
{
    static const QRegularExpression reference(
        QStringLiteral("\\A[ \\t]*[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?[ \\t]*\\z"));
    return reference.match(text).hasMatch();
}

template<typename Int>
void checkConversion(const QString &text, Int (*convert)(QStringView))
{
    const auto v = NumberText::value(text);
    try {
        const Int result = convert(text);
        check(v.has_value(), "conversion returned for text that is no number");
        check(std::fabs(*v - double(result)) <= 0.5, "conversion moved the value by more than a half");
        check(double(result) == NumberText::roundHalfEven(*v), "conversion disagrees with rounding");
    } catch (const Failure &failure) {
        if (!v) {
            check(failure.description() == Messages::typeMismatch(), "no number but not a type mismatch");
        } else {
            const double r = NumberText::roundHalfEven(*v);
            check(failure.description() == Messages::overflow(), "a number failed other than by overflow");
            check(r < double(std::numeric_limits<Int>::min()) || r > double(std::numeric_limits<Int>::max()),
                  "overflow reported for a value in range");
        }
    }
}

void checkRounding(double v)
{
    const double r = NumberText::roundHalfEven(v);
    if (!std::isfinite(v)) {
        check(std::isnan(v) ? std::isnan(r) : r == v, "non-finite value changed by rounding");
        return;
    }
    check(r == std::floor(r), "rounding gave a fraction");
    const double diff = std::fabs(r - v);
    check(diff <= 0.5, "rounding moved the value by more than a half");
    if (diff == 0.5)
        check(std::fmod(r, 2.0) == 0.0, "a half did not go to the even neighbour");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks how the rest becomes text: UTF-8 as typed, Latin-1
    // byte for byte, or raw UTF-16 (lone surrogates and all).
    const char *rest = reinterpret_cast<const char *>(data + 1);
    const qsizetype n = qsizetype(size - 1);
    QString text;
    switch (data[0] % 3) {
    case 0: text = QString::fromUtf8(rest, n); break;
    case 1: text = QString::fromLatin1(rest, n); break;
    default:
        // Copied, not cast: the bytes after the first are not aligned for QChar.
        text = QString(n / 2, Qt::Uninitialized);
        std::memcpy(text.data(), rest, std::size_t(n / 2) * sizeof(QChar));
        break;
    }

    const bool numeric = NumberText::isNumeric(text);
    const auto v = NumberText::value(text);
    check(numeric == v.has_value(), "isNumeric and value disagree");
    check(numeric == matchesReference(text), "grammar disagrees with the reference pattern");
    if (v)
        check(!std::isnan(*v), "a number read as NaN");

    checkConversion<qint16>(text, &NumberText::toInt16);
    checkConversion<qint32>(text, &NumberText::toInt32);

    if (v)
        checkRounding(*v);
    if (size >= 9) {
        double raw = 0;
        std::memcpy(&raw, data + 1, sizeof raw);
        checkRounding(raw);
    }

    const QStringList words = NumberText::splitAtBlanks(text);
    check(words.join(u' ') == text, "split and join do not round-trip");
    check(words.size() == text.count(u' ') + 1, "split lost or invented a word");
    return 0;
}
