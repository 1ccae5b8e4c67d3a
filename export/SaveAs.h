#pragma once

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
// remembers the type chosen last) and writes the card; title names it inside
// an SVG or PDF. A failed write is reported as a warning.
void card(QWidget *owner, const QString &folderText, const QString &entry, const QPixmap &face, int faceIndex,
          const QString &title, QString *lastFilter);

// "Export Drawn Cards as PDF…": the faces in draw order, on sheets of the
// locale's paper or one card per page.
void drawnCardsAsPdf(QWidget *owner, const QString &folderText, const QList<int> &faces);

// The name the drawn cards' PDF is offered under, printed or exported.
QString drawnCardsPdfPath(const QString &folderText);

// "Open Output Folder": the folder field's folder in the file manager, or a
// warning saying why not.
void openOutputFolder(const QString &folderText);

} // namespace SaveAs
