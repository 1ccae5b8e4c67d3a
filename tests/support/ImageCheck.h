#pragma once

// Pictures that another program drew (librsvg, poppler) against the ones
// QPainter draws, and those programs run as tools.
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace ImageCheck {

// The share of pixels (in %) that no pixel within one pixel of them in the
// other picture comes near, both laid on white: another renderer's edges fall
// a pixel either way, another drawing differs in whole shapes.
inline double percentOff(const QImage &seen, const QImage &expected)
{
    const auto onWhite = [&seen](const QImage &image) {
        QImage white(seen.size(), QImage::Format_RGB32);
        white.fill(Qt::white);
        QPainter(&white).drawImage(0, 0, image);
        return white;
    };
    const QImage a = onWhite(seen), b = onWhite(expected);
    int off = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            int best = 255;
            for (int ny = qMax(0, y - 1); ny <= qMin(a.height() - 1, y + 1); ++ny) {
                const auto *near = reinterpret_cast<const QRgb *>(b.constScanLine(ny));
                for (int nx = qMax(0, x - 1); nx <= qMin(a.width() - 1, x + 1); ++nx)
                    best = qMin(best, (qAbs(qRed(line[x]) - qRed(near[nx])) + qAbs(qGreen(line[x]) - qGreen(near[nx]))
                                       + qAbs(qBlue(line[x]) - qBlue(near[nx]))) / 3);
            }
            off += best > 40;
        }
    }
    return 100.0 * off / (a.width() * a.height());
}

// A tool's standard output; fails the running test when the tool does.
inline QString tool(const QString &name, const QStringList &args)
{
    QProcess p;
    p.start(QStandardPaths::findExecutable(name), args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        QTest::qFail(qPrintable(name + QStringLiteral(" failed: ") + QString::fromUtf8(p.readAllStandardError())),
                     __FILE__, __LINE__);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace ImageCheck
