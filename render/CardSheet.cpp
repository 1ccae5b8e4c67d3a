#include "render/CardSheet.h"

#include <QLocale>
#include <QPageRanges>
#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>

#ifdef Q_OS_WIN
// No min and max macros: they would break std::min and std::max here.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace {

// Room on each side of the grid for the marks: a gap so a cut that strays a
// little does not catch them, then the mark itself.
constexpr qreal MarkGapMm = 1.0;
constexpr qreal MarkLengthMm = 5.0;
constexpr qreal MinMarginMm = 2.5;
constexpr qreal MarkWidthMm = 0.2;

// The territories whose standard paper is US Letter (CLDR's list).
bool usesLetter(QLocale::Territory territory)
{
    switch (territory) {
    case QLocale::Belize: case QLocale::Canada: case QLocale::Chile: case QLocale::Colombia:
    case QLocale::CostaRica: case QLocale::Guatemala: case QLocale::Mexico: case QLocale::Nicaragua:
    case QLocale::Panama: case QLocale::Philippines: case QLocale::PuertoRico: case QLocale::ElSalvador:
    case QLocale::UnitedStates: case QLocale::Venezuela:
        return true;
    default:
        return false;
    }
}

// The marks stand on every cut line, in the margin round the grid of cells:
// outside the outer cards' bleed, where no card is printed.
void cutMarks(QPainter &p, const QRectF &grid, int columns, int rows, qreal cardW, qreal cardH, qreal bleed,
              const QSizeF &area)
{
    const qreal roomX = qMin(grid.left(), area.width() - grid.right()) - MarkGapMm;
    const qreal roomY = qMin(grid.top(), area.height() - grid.bottom()) - MarkGapMm;
    // Each card's two cut lines sit within its cell, one bleed in from its
    // sides; without bleed, neighbours share one.
    QList<qreal> xs, ys;
    const auto line = [](QList<qreal> &at, qreal position) {
        if (at.isEmpty() || !qFuzzyCompare(at.last(), position))
            at << position;
    };
    for (int c = 0; c < columns; ++c) {
        line(xs, grid.left() + c * cardW + bleed);
        line(xs, grid.left() + (c + 1) * cardW - bleed);
    }
    for (int r = 0; r < rows; ++r) {
        line(ys, grid.top() + r * cardH + bleed);
        line(ys, grid.top() + (r + 1) * cardH - bleed);
    }
    p.save();
    p.setPen(QPen(Qt::black, MarkWidthMm, Qt::SolidLine, Qt::FlatCap));
    const qreal lengthY = qMin(MarkLengthMm, roomY);
    if (lengthY > 0.5)
        for (const qreal x : std::as_const(xs)) {
            p.drawLine(QPointF(x, grid.top() - MarkGapMm), QPointF(x, grid.top() - MarkGapMm - lengthY));
            p.drawLine(QPointF(x, grid.bottom() + MarkGapMm), QPointF(x, grid.bottom() + MarkGapMm + lengthY));
        }
    const qreal lengthX = qMin(MarkLengthMm, roomX);
    if (lengthX > 0.5)
        for (const qreal y : std::as_const(ys)) {
            p.drawLine(QPointF(grid.left() - MarkGapMm, y), QPointF(grid.left() - MarkGapMm - lengthX, y));
            p.drawLine(QPointF(grid.right() + MarkGapMm, y), QPointF(grid.right() + MarkGapMm + lengthX, y));
        }
    p.restore();
}

} // namespace

QSizeF CardSheet::cardSizeMm(CardSize size)
{
    return CardSizes::trimMm(size);
}

QPageSize CardSheet::cardPage(CardSize size, bool bleed)
{
    // Inch sizes in points, so the page is exactly trim and bleed.
    if (size != CardSize::Picture) {
        const qreal extra = bleed ? 2 * CardSizes::BleedPt : 0;
        return QPageSize(CardSizes::trimPt(size) + QSizeF(extra, extra), QPageSize::Point, QStringLiteral("Card"),
                         QPageSize::ExactMatch);
    }
    const qreal extra = bleed ? 2 * CardSizes::BleedMm : 0;
    return QPageSize(cardSizeMm(size) + QSizeF(extra, extra), QPageSize::Millimeter, QStringLiteral("Card"),
                     QPageSize::ExactMatch);
}

QPageSize CardSheet::localePaper()
{
    // The locale the C library would take for paper, read by name so that it
    // counts even where that locale is not installed.
    QByteArray name;
    for (const char *variable : {"LC_ALL", "LC_PAPER", "LANG"}) {
        name = qgetenv(variable);
        if (!name.isEmpty())
            break;
    }
#ifdef Q_OS_WIN
    // Windows keeps the paper in the region settings (1 is Letter, 5 Legal);
    // the variables above are set there only on purpose.
    DWORD paper = 0;
    if (name.isEmpty()
        && GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_IPAPERSIZE | LOCALE_RETURN_NUMBER,
                           reinterpret_cast<LPWSTR>(&paper), sizeof(paper) / sizeof(WCHAR)))
        return QPageSize(paper == 1 || paper == 5 ? QPageSize::Letter : QPageSize::A4);
#endif
    const QLocale locale = name.isEmpty() ? QLocale::system() : QLocale(QString::fromLatin1(name));
    return QPageSize(usesLetter(locale.territory()) ? QPageSize::Letter : QPageSize::A4);
}

namespace {

// One card's room on a sheet: the cut card and its bleed all round, so that
// neighbours' bleeds never overlap a card.
QSizeF cellMm(CardSize size, bool bleed)
{
    const qreal extra = bleed ? 2 * CardSizes::BleedMm : 0;
    return CardSizes::trimMm(size) + QSizeF(extra, extra);
}

} // namespace

CardSheet::Grid CardSheet::grid(const QSizeF &areaMm, CardSize size, bool bleed)
{
    const QSizeF card = cellMm(size, bleed);
    Grid g;
    g.columns = qMax(1, int(std::floor((areaMm.width() - 2 * MinMarginMm) / card.width())));
    g.rows = qMax(1, int(std::floor((areaMm.height() - 2 * MinMarginMm) / card.height())));
    return g;
}

int CardSheet::pageCount(int cards, const QSizeF &areaMm, const PrintOptions &options)
{
    const int perPage = options.layout == Layout::Sheets ? grid(areaMm, options.size, options.bleed).perPage() : 1;
    const int fronts = (cards + perPage - 1) / perPage;
    return options.back >= 0 ? 2 * fronts : fronts;
}

int CardSheet::pageCount(int cards, const QSizeF &areaMm, Layout layout)
{
    PrintOptions options;
    options.size = CardSize::Picture;
    options.layout = layout;
    return pageCount(cards, areaMm, options);
}

void CardSheet::paint(QPainter &p, QPagedPaintDevice &device, const QList<CardArt> &cards, Layout layout)
{
    PrintOptions options;
    options.size = CardSize::Picture;
    options.layout = layout;
    paint(p, device, cards, options);
}

void CardSheet::paint(QPainter &p, QPagedPaintDevice &device, const QList<CardArt> &cards,
                      const PrintOptions &options, const Progress &progress)
{
    // The area as the device really has it: a PDF page is whole points, a
    // hair off the paper's millimetres.
    const qreal dotsX = device.logicalDpiX() / 25.4;
    const qreal dotsY = device.logicalDpiY() / 25.4;
    const QSizeF area(device.width() / dotsX, device.height() / dotsY);
    const bool sheets = options.layout == Layout::Sheets;
    const QSizeF cell = sheets ? cellMm(options.size, options.bleed) : area;
    const Grid g = sheets ? grid(area, options.size, options.bleed) : Grid{};
    // A card larger than the page is shrunk to fit it, never enlarged; on a
    // page of its own it fills the page, whose size the PDF rounds to points.
    const qreal shrink = sheets ? qMin<qreal>(1.0, qMin(area.width() / cell.width(), area.height() / cell.height()))
                                : qMin(area.width() / cellMm(options.size, options.bleed).width(),
                                       area.height() / cellMm(options.size, options.bleed).height());
    const qreal cellW = sheets ? cell.width() * shrink : area.width();
    const qreal cellH = sheets ? cell.height() * shrink : area.height();
    const qreal bleed = options.bleed ? CardSizes::BleedMm * shrink : 0;
    const QRectF gridRect((area.width() - g.columns * cellW) / 2, (area.height() - g.rows * cellH) / 2,
                          g.columns * cellW, g.rows * cellH);
    const int perPage = g.perPage();
    const int fronts = (int(cards.size()) + perPage - 1) / perPage;
    const bool backs = options.back >= 0;
    const int total = backs ? 2 * fronts : fronts;

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    // Millimetres from here on, whatever the device's resolution.
    p.scale(dotsX, dotsY);
    // A printer may be asked for some pages only (the print dialog's range);
    // the others are left out, not drawn blank.
    const QPageRanges wanted = device.pageRanges();
    bool pageStarted = false;
    int page = 0;
    for (int sheet = 0; sheet < fronts; ++sheet) {
        const int first = sheet * perPage;
        const int onPage = qMin(perPage, int(cards.size()) - first);
        for (int side = 0; side < (backs ? 2 : 1); ++side) {
            ++page;
            if (!wanted.isEmpty() && !wanted.contains(page))
                continue;
            if (progress.cancelled()) {
                p.restore();
                return;
            }
            if (pageStarted)
                device.newPage();
            pageStarted = true;
            // The backs page is the fronts page turned over the long edge:
            // each column swaps with its mirror, so a back lands behind its card.
            const bool turned = side == 1 && options.mirrored;
            if (sheets && side == 0) {
                // Marks only as far as this page's cards reach, on the cut
                // lines and outside the bleed.
                const int rowsUsed = (onPage + g.columns - 1) / g.columns;
                const int columnsUsed = rowsUsed > 1 ? g.columns : onPage;
                const QRectF used(gridRect.topLeft(), QSizeF(columnsUsed * cellW, rowsUsed * cellH));
                cutMarks(p, used, columnsUsed, rowsUsed, cellW, cellH, bleed, area);
            }
            for (int slot = 0; slot < onPage; ++slot) {
                const int column = turned ? g.columns - 1 - slot % g.columns : slot % g.columns;
                const QRectF cellRect(gridRect.left() + column * cellW, gridRect.top() + (slot / g.columns) * cellH,
                                      cellW, cellH);
                const CardArt art = side == 0 ? cards.at(first + slot) : CardArt::back(options.back);
                CardRenderer::paint(p, cellRect.adjusted(bleed, bleed, -bleed, -bleed), art, options.size,
                                    options.bleed);
            }
            progress.report(page, total);
        }
    }
    p.restore();
}
