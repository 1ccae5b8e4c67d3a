// Any folder text and entry text: folderProblem and the card's file path never crash
// and never throw anything but Failure; a folder without a problem always
// gives a path that starts with the folder text and ends with the entry and
// ".bmp", joined by exactly one separator.
#include "export/AddFolder.h"
#include "export/CardPaths.h"
#include "core/Failure.h"

#include <QDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char *what, const QString &folder, const QString &entry, const QString &path)
{
    std::fprintf(stderr, "%s\n  folder: \"%s\"\n  entry:  \"%s\"\n  path:   \"%s\"\n", what, qPrintable(folder),
                 qPrintable(entry), qPrintable(path));
    std::abort();
}

bool isSeparator(QChar c)
{
    return c == u'/' || c == QDir::separator();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Folder and entry are split at the first NUL byte; UTF-8, so any
    // character (and replacement characters for broken sequences) can appear.
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype cut = bytes.indexOf('\0');
    const QString folder = QString::fromUtf8(cut < 0 ? bytes : bytes.left(cut));
    const QString entry = cut < 0 ? QStringLiteral("Card 17") : QString::fromUtf8(bytes.mid(cut + 1));

    const QString problem = CardPaths::folderProblem(folder);
    QString path;
    try {
        path = CardPaths::cardFilePath(folder, entry, QStringLiteral("bmp"));
    } catch (const Failure &) {
        if (problem.isEmpty())
            fail("a folder without a problem was refused", folder, entry, path);
        return 0;
    }
    if (!problem.isEmpty())
        fail("a folder with a problem was accepted", folder, entry, path);
    if (folder.trimmed().isEmpty() || !QDir::isAbsolutePath(QDir::fromNativeSeparators(folder)))
        fail("an empty or relative folder was accepted", folder, entry, path);

    const QString tail = entry + QStringLiteral(".bmp");
    if (!path.startsWith(folder) || !path.endsWith(tail) || path.size() < folder.size() + tail.size())
        fail("the path does not start with the folder and end with the entry", folder, entry, path);
    const QString between = path.mid(folder.size(), path.size() - folder.size() - tail.size());
    const bool folderEnds = isSeparator(folder.back());
    // One separator at the joint: the folder's own, or one added, never both
    // and never none. (An entry that itself starts with one is no draw's entry.)
    if (folderEnds ? !between.isEmpty() : (between.size() != 1 || !isSeparator(between.front())))
        fail("not exactly one separator between folder and entry", folder, entry, path);
    return 0;
}
