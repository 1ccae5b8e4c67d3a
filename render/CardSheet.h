#pragma once

#include "render/CardRenderer.h"

#include <QList>
#include <QPageSize>
#include <QSizeF>

class QPagedPaintDevice;
class QPainter;

// Cards on paper at their real size, 63 mm wide and as tall as the pictures'
// proportion makes them: as many to a page as fit, edge to edge in draw
// order with thin cut marks in the margin, or one card per page of the card's
// own size (what printing services take). The same drawing goes to a PDF, a
// printer and its preview.
class CardSheet
{
public:
    enum class Layout { Sheets, CardPerPage };

    static constexpr qreal CardWidthMm = 63.0;
    static QSizeF cardSizeMm();
    // A page exactly the card's size.
    static QPageSize cardPage();

    // The paper the user's locale prints on: Letter where that is the
    // country's standard, A4 everywhere else.
    static QPageSize localePaper();

    // How many cards fit across and down an area, leaving room for the cut
    // marks; at least one each way (a card larger than the paper is shrunk).
    struct Grid {
        int columns = 1;
        int rows = 1;
        int perPage() const { return columns * rows; }
    };
    static Grid grid(const QSizeF &areaMm);

    static int pageCount(int cards, const QSizeF &areaMm, Layout layout);

    // Paints the cards onto the device's pages with a painter already begun on
    // it, starting new pages as it goes. The device's page layout decides the
    // area (its paint rectangle); for CardPerPage it should be cardPage()
    // without margins.
    static void paint(QPainter &p, QPagedPaintDevice &device, const QList<CardArt> &cards, Layout layout);
};
