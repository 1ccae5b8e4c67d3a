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

void cutMarks(QPainter &p, const QRectF &grid, int columns, int rows, qreal cardW, qreal cardH,
              const QSizeF &area)
{
    const qreal roomX = qMin(grid.left(), area.width() - grid.right()) - MarkGapMm;
    const qreal roomY = qMin(grid.top(), area.height() - grid.bottom()) - MarkGapMm;
    p.save();
    p.setPen(QPen(Qt::black, MarkWidthMm, Qt::SolidLine, Qt::FlatCap));
    const qreal lengthY = qMin(MarkLengthMm, roomY);
    if (lengthY > 0.5)
        for (int c = 0; c <= columns; ++c) {
            const qreal x = grid.left() + c * cardW;
            p.drawLine(QPointF(x, grid.top() - MarkGapMm), QPointF(x, grid.top() - MarkGapMm - lengthY));
            p.drawLine(QPointF(x, grid.bottom() + MarkGapMm), QPointF(x, grid.bottom() + MarkGapMm + lengthY));
        }
    const qreal lengthX = qMin(MarkLengthMm, roomX);
    if (lengthX > 0.5)
        for (int r = 0; r <= rows; ++r) {
            const qreal y = grid.top() + r * cardH;
            p.drawLine(QPointF(grid.left() - MarkGapMm, y), QPointF(grid.left() - MarkGapMm - lengthX, y));
            p.drawLine(QPointF(grid.right() + MarkGapMm, y), QPointF(grid.right() + MarkGapMm + lengthX, y));
        }
    p.restore();
}

} // namespace

QSizeF CardSheet::cardSizeMm()
{
    return {CardWidthMm, CardWidthMm * CardRenderer::PictureHeight / CardRenderer::PictureWidth};
}

QPageSize CardSheet::cardPage()
{
    return QPageSize(cardSizeMm(), QPageSize::Millimeter, QStringLiteral("Card"), QPageSize::ExactMatch);
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

CardSheet::Grid CardSheet::grid(const QSizeF &areaMm)
{
    const QSizeF card = cardSizeMm();
    Grid g;
    g.columns = qMax(1, int(std::floor((areaMm.width() - 2 * MinMarginMm) / card.width())));
    g.rows = qMax(1, int(std::floor((areaMm.height() - 2 * MinMarginMm) / card.height())));
    return g;
}

int CardSheet::pageCount(int cards, const QSizeF &areaMm, Layout layout)
{
    const int perPage = layout == Layout::Sheets ? grid(areaMm).perPage() : 1;
    return (cards + perPage - 1) / perPage;
}

void CardSheet::paint(QPainter &p, QPagedPaintDevice &device, const QList<CardArt> &cards, Layout layout)
{
    // The area as the device really has it: a PDF page is whole points, a
    // hair off the paper's millimetres.
    const qreal dotsX = device.logicalDpiX() / 25.4;
    const qreal dotsY = device.logicalDpiY() / 25.4;
    const QSizeF area(device.width() / dotsX, device.height() / dotsY);
    const QSizeF card = cardSizeMm();
    const Grid g = layout == Layout::Sheets ? grid(area) : Grid{};
    // A card larger than the page is shrunk to fit it, never enlarged; on a
    // page of its own it fills the page, whose size the PDF rounds to points.
    const qreal shrink = qMin<qreal>(1.0, qMin(area.width() / card.width(), area.height() / card.height()));
    const qreal cardW = layout == Layout::CardPerPage ? area.width() : card.width() * shrink;
    const qreal cardH = layout == Layout::CardPerPage ? area.height() : card.height() * shrink;
    const QRectF gridRect((area.width() - g.columns * cardW) / 2, (area.height() - g.rows * cardH) / 2,
                          g.columns * cardW, g.rows * cardH);

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    // Millimetres from here on, whatever the device's resolution.
    p.scale(dotsX, dotsY);
    // A printer may be asked for some pages only (the print dialog's range);
    // the others are left out, not drawn blank.
    const QPageRanges wanted = device.pageRanges();
    bool pageStarted = false;
    for (int i = 0; i < cards.size(); ++i) {
        const int slot = i % g.perPage();
        if (!wanted.isEmpty() && !wanted.contains(i / g.perPage() + 1))
            continue;
        if (slot == 0) {
            if (pageStarted)
                device.newPage();
            pageStarted = true;
            if (layout == Layout::Sheets) {
                // Marks only as far as this page's cards reach.
                const int onPage = qMin(g.perPage(), int(cards.size()) - i);
                const int rowsUsed = (onPage + g.columns - 1) / g.columns;
                const int columnsUsed = rowsUsed > 1 ? g.columns : onPage;
                cutMarks(p, QRectF(gridRect.topLeft(), QSizeF(columnsUsed * cardW, rowsUsed * cardH)),
                         columnsUsed, rowsUsed, cardW, cardH, area);
            }
        }
        const QPointF at(gridRect.left() + (slot % g.columns) * cardW, gridRect.top() + (slot / g.columns) * cardH);
        CardRenderer::paint(p, QRectF(at, QSizeF(cardW, cardH)), cards.at(i));
    }
    p.restore();
}
