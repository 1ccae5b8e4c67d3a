#pragma once

#include <QObject>
#include <QPointer>

class Deck;
class ListBox;
class QLineEdit;
class QPixmap;

// The two save buttons: the face of every listed card, or of the selected
// one, as a Windows bitmap named after its entry in the output folder.
class CardExport : public QObject
{
    Q_OBJECT
public:
    CardExport(ListBox *list, QLineEdit *folder, Deck *deck, QObject *parent = nullptr);

    void PushButton1_Click(); // save all
    void PushButton3_Click(); // save selected

    // The file for an entry: the folder text, a separator when the text does
    // not already end in one, the entry text and ".bmp". Throws Failure for an
    // empty folder text rather than writing into the working directory.
    static QString cardImagePath(const QString &folderText, const QString &entryText);

    // Writes the face at its own size, 24 bits per pixel, on white, atomically:
    // an earlier file of that name survives any failure, and an entry of that
    // name that is a link is replaced, never written through. Throws Failure
    // with the system's reason and the path.
    static void saveBitmap(const QPixmap &face, const QString &path);

    // Why a folder text cannot take the files (empty, blank or not a full
    // path), or an empty text when it can.
    static QString folderProblem(const QString &folderText);

private:
    QString entryText(int index) const;
    // The current row when it is also selected, else -1.
    int selectedRow() const;

    QPointer<ListBox> m_list;
    QPointer<QLineEdit> m_folder;
    QPointer<Deck> m_deck;
};
