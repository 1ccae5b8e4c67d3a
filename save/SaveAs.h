#pragma once

#include "render/CardSheet.h"

#include <QList>
#include <QString>

class QPixmap;
class QWidget;

// What the context menu saves and opens: the chosen card in a file type and
// size of the user's choice, the drawn cards as one PDF, and the output folder
// in the file manager. Every box goes through the platform seam; a window that
// closes while a box is open ends the step.
namespace SaveAs {

// "Save Card As…": asks for a name and a file type (lastFilter, in and out,
// remembers the type chosen last) and writes the card, byte for byte as the
// command line writes it. A failed write is reported as a warning.
void card(QWidget *owner, const QString &folderText, const QString &entry, const QPixmap &face, int faceIndex,
          QString *lastFilter);

// "Export Drawn Cards as PDF…" and "Export Whole Deck as PDF…": asks for a
// name (name.pdf in the output folder offered first) and writes the cards as
// the options lay them out, sheets on the locale's paper. Past about a second
// a progress dialog shows, whose Cancel leaves the file as it was and says so.
void cardsAsPdf(QWidget *owner, const QString &folderText, const QString &caption, const QString &name,
                const QList<CardArt> &cards, PrintOptions options, const QString &title);

// The path a PDF of the cards is offered under, printed or exported: name.pdf
// in the output folder where that is usable, else bare.
QString pdfPath(const QString &folderText, const QString &name);

// "Open Output Folder": the folder field's folder in the file manager, or a
// warning saying why not.
void openOutputFolder(const QString &folderText);

} // namespace SaveAs
