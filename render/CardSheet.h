#pragma once

#include "render/CardRenderer.h"
#include "render/CardSize.h"
#include "core/Progress.h"

#include <QList>
#include <QPageSize>
#include <QSizeF>

class QPagedPaintDevice;
class QPainter;
struct PrintOptions;

// Cards on paper at their real size (see CardSize): as many to a page as fit,
// edge to edge in order with thin cut marks in the margin, outside any bleed,
// or one card per page of the card's own size plus its bleed (what printing
// services take). With a back, each fronts page is followed by its backs
// page: on sheets mirrored left to right, so that printed long-edge duplex
// every back lands behind its front. The same drawing goes to a PDF, a
// printer and its preview.
class CardSheet
{
public:
    enum class Layout { Sheets, CardPerPage };

    static constexpr qreal CardWidthMm = 63.0;
    static QSizeF cardSizeMm(CardSize size = CardSize::Picture);
    // A page exactly the card's size, and its bleed round it when asked.
    static QPageSize cardPage(CardSize size = CardSize::Picture, bool bleed = false);

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
    static Grid grid(const QSizeF &areaMm, CardSize size = CardSize::Picture, bool bleed = false);

    // Pages in all, backs pages included.
    static int pageCount(int cards, const QSizeF &areaMm, const PrintOptions &options);
    static int pageCount(int cards, const QSizeF &areaMm, Layout layout);

    // Paints the cards onto the device's pages with a painter already begun on
    // it, starting new pages as it goes. The device's page layout decides the
    // area (its paint rectangle); for CardPerPage it should be cardPage()
    // without margins. Reports each page drawn; a cancel stops after a page
    // (the document is then to be thrown away).
    static void paint(QPainter &p, QPagedPaintDevice &device, const QList<CardArt> &cards,
                      const PrintOptions &options, const Progress &progress = {});
    // The pictures' own size, without backs or bleed: what printing was.
    static void paint(QPainter &p, QPagedPaintDevice &device, const QList<CardArt> &cards, Layout layout);
};

// How cards go onto paper: the window's print and PDF options step and the
// command line's --card-size, --bleed, --back and --pdf-layout.
struct PrintOptions {
    CardSize size = CardSize::Poker;
    bool bleed = false;
    int back = -1;       // no backs, or one of the 12 (0..11) behind every card
    bool mirrored = true; // sheets' backs pages turned for long-edge duplex
    CardSheet::Layout layout = CardSheet::Layout::Sheets;
    QPageSize paper = QPageSize(QPageSize::A4); // the sheets' paper; CardPerPage ignores it
};
