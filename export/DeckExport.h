#pragma once

#include "core/Progress.h"
#include "export/CardFile.h"
#include "render/CardSheet.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

// A batch of card files, or one PDF of them, made on every core. Each file is
// drawn and encoded on a pool thread, a few cards per core in flight so a
// deck of 4096 px pictures never sits in memory at once, and handed back in
// order to one FileReplacer::Batch on the calling thread: every name holds its
// old or its new whole file, whatever fails and whenever the work is
// cancelled (a cancelled batch commits what was finished and says so).
namespace DeckExport {

struct Card {
    CardArt art;
    QString name;   // the file's name without extension: "Card 17", "Joker 1"
    QString title;  // what the file says it shows, in English: "four of diamonds"
    QString spoken; // the card for people, in their language: "Card 17 (four of diamonds)"
    QImage stored;  // the stored picture, for BMP and a PNG at the picture's own width
};

struct Request {
    QList<Card> cards;
    QString folder; // a full path, checked already
    CardFile::Format format = CardFile::Format::Bmp;
    int width = CardFile::PictureWidth; // PNG only
    // The card size for every format; for the PDF also the bleed, backs,
    // layout and paper.
    PrintOptions print;
    QString pdfName = QStringLiteral("Cards");
    QString pdfTitle;
    int threads = 0; // 0: as many as the machine has cores
};

struct Result {
    QList<int> written;   // indexes into Request::cards whose files are there
    QStringList failures; // one line each, naming the file and the reason
    bool cancelled = false;
};

// The cards of the whole deck in suit order, and the two jokers after them
// when asked, named so no one takes a joker for a card ("Joker 1", "Joker 2").
// Without their stored pictures: the caller, who holds the picture set, adds
// them where the format takes them.
QList<Card> wholeDeck(bool jokers);
// The drawn cards (1..52), named by their entries.
QList<Card> drawn(const QList<qint16> &numbers);

// Writes the request's files. Progress reports count cards (or, for the PDF,
// pages drawn) on the calling thread.
Result run(const Request &request, const Progress &progress = {});

} // namespace DeckExport
