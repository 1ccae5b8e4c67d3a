#pragma once

#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <functional>
#include <memory>

class Deck;
class ListBox;
class QAction;
class QLabel;
class QLineEdit;
class QMimeData;
class QTemporaryDir;
class SettingsStore;
struct PrintChoices;

// Cards leaving the window: copy (Ctrl+C on the list), the context menu of the
// list and the preview, and dragging an entry or the preview into another
// program. A copied or dragged picture is the selected entry's face from the
// card face control, flattened onto white exactly as a saved bitmap is; saved
// at another size, as a drawing, in a PDF or printed, the card is drawn by
// the renderer at that size.
class CardTransfer : public QObject
{
    Q_OBJECT
public:
    // The store keeps the PDF and print options between runs; without one
    // every run starts from the defaults.
    CardTransfer(ListBox *list, QLabel *preview, Deck *deck, QLineEdit *folder, SettingsStore *store = nullptr,
                 QObject *parent = nullptr);
    ~CardTransfer() override;

    // The context menu's entries, in menu order.
    QAction *copyCardImageAction() const { return m_copyImage; }
    QAction *copyDrawnCardsAction() const { return m_copyAll; }
    QAction *saveCardAsAction() const { return m_saveAs; }
    QAction *exportPdfAction() const { return m_exportPdf; }
    QAction *exportDeckAction() const { return m_exportDeck; }
    QAction *printAction() const { return m_print; }
    QAction *openOutputFolderAction() const { return m_openFolder; }

    void copyCardImage();
    // The entries with their names as text, and the whole hand as one
    // picture: the cards side by side at twice their size, in draw order.
    void copyDrawnCards();
    // PNG at the picture's size or larger for screens and print, SVG, PDF or
    // bitmap, by the name's extension or else the chosen file type.
    void saveCardAs();
    // Every listed card, in list order, or the whole deck in suit order, after
    // a step that asks for the card size, bleed, back, duplex and layout: on
    // sheets of the locale's paper with cut marks, or one card per page.
    void exportDrawnCardsAsPdf();
    void exportWholeDeckAsPdf();
    void printDrawnCards();
    void openOutputFolder();

    // What a copy or a drag hands out for the selected entry: the face, the
    // entry with its card's name and, with a file, "Card N.png" written now in
    // a folder of this object's own (left out, with a warning in the log, when
    // it cannot be written, and the reason kept for the drag to tell); nullptr
    // with no entry selected.
    QMimeData *selectedCardData(bool withFile);

    // "Card 17 (four of diamonds)"; an entry that names no card stays as it is.
    static QString entryWithName(const QString &entryText);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *addAction(const QString &text);
    void updateActions();
    // The selected entry's text and face, and the face's index; false with
    // none selected.
    bool selectedCard(QString *entryText, QPixmap *face, int *faceIndex = nullptr);
    // The face index of every listed card, in list order.
    QList<int> listedFaces() const;
    void startDrag();
    // The options step, then (once it is accepted, with the choices kept)
    // the work; nothing while an export or print is already running, since
    // its progress reports let the menu be opened again.
    void withOptions(int purpose, const std::function<void(const PrintChoices &)> &work);
    // Where a dragged file goes: in a folder of ours that exists now. Throws
    // Failure when none can be made.
    QString dragFilePath(const QString &fileName);
    // The private folder of the user's that the drag folder goes in.
    static QString dragFolderBase();

    QPointer<ListBox> m_list;
    QPointer<QLabel> m_preview;
    QPointer<Deck> m_deck;
    QPointer<QLineEdit> m_folder;
    SettingsStore *m_store = nullptr;
    bool m_busy = false; // an export or print is running
    QAction *m_copyImage = nullptr;
    QAction *m_copyAll = nullptr;
    QAction *m_saveAs = nullptr;
    QAction *m_exportPdf = nullptr;
    QAction *m_exportDeck = nullptr;
    QAction *m_print = nullptr;
    QAction *m_openFolder = nullptr;
    // The file type last chosen in Save Card As, offered first the next time.
    QString m_saveFilter;
    QPoint m_pressAt;
    bool m_pressed = false;
    // Dragged files must outlive the drop, since a file manager copies them
    // after it; the folder goes with this object, when the program ends.
    std::unique_ptr<QTemporaryDir> m_dragFolder;
    QString m_dragFileProblem;   // why the running drag's file could not be written
};
