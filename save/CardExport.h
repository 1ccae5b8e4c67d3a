#pragma once

#include <QObject>
#include <QPointer>

class Deck;
class Failure;
class ListBox;
class QImage;
class QLineEdit;
class QPixmap;
namespace FileReplacer {
class Batch;
}

// The two save buttons: the face of every listed card, or of the selected
// one, as a Windows bitmap named after its entry in the output folder.
class CardExport : public QObject
{
    Q_OBJECT
public:
    CardExport(ListBox *list, QLineEdit *folder, Deck *deck, QObject *parent = nullptr);

    void PushButton1_Click(); // save all
    void PushButton3_Click(); // save selected

    // The buttons write bitmaps; the command line, "Save Card As..." and a
    // dragged file may also write PNG, which keeps the transparent corners.
    enum class ImageFormat { Bmp, Png };

    // The file for an entry: the folder text as a full native path
    // (NativePath::folder), a separator when it does not already end in one,
    // the entry text and ".bmp" (".png"). Throws
    // Failure for an empty folder text rather than writing into the working
    // directory.
    static QString cardImagePath(const QString &folderText, const QString &entryText,
                                 ImageFormat format = ImageFormat::Bmp);
    // The same for any file extension ("svg", "pdf", ...).
    static QString cardFilePath(const QString &folderText, const QString &entryText, const QString &extension);

    // Writes the face at its own size atomically: an earlier file of that name
    // survives any failure, and an entry of that name that is a link is
    // replaced, never written through. A bitmap is 24 bits per pixel on white
    // (see bitmapFace), a PNG the face as it is. Throws Failure with the
    // system's reason and the path. With a batch the file takes its name at
    // the batch's commit(), whose failures writeFailure() words the same way.
    static void saveBitmap(const QPixmap &face, const QString &path,
                           ImageFormat format = ImageFormat::Bmp, FileReplacer::Batch *batch = nullptr);
    static Failure writeFailure(const QString &path, const QString &reason);

    // The face as a saved bitmap holds it: opaque, its corners white. Also
    // what the clipboard and a drag hand to other programs.
    static QImage bitmapFace(const QPixmap &face);

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
