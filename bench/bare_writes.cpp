// The floor for the command line's --draw 52 --save-to: a minimal Qt program
// that starts, reads 52 finished card bitmaps and writes the same bytes to the
// same names in another folder, one plain QFile each. Optionally each file is
// flushed to the disk, as an atomic replace must do before its rename.
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <unistd.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3)
        return 2;
    const bool sync = args.size() > 3 && args.at(3) == QLatin1String("--sync");
    const QDir from(args.at(1)), to(args.at(2));
    const QStringList names = from.entryList({QStringLiteral("*.bmp")}, QDir::Files);
    for (const QString &name : names) {
        QFile in(from.filePath(name));
        QFile out(to.filePath(name));
        if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 3;
        const QByteArray bytes = in.readAll();
        if (out.write(bytes) != bytes.size() || !out.flush() || (sync && fdatasync(out.handle()) != 0))
            return 3;
        std::printf("%s\n", qPrintable(name));
    }
    return names.size() == 52 ? 0 : 3;
}
