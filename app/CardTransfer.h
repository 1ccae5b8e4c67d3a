#pragma once

#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <memory>

class Deck;
class ListBox;
class QAction;
class QLabel;
class QLineEdit;
class QMimeData;
class QTemporaryDir;

// Cards leaving the window: copy (Ctrl+C on the list), the context menu of the
// list and the preview, and dragging an entry or the preview into another
// program. The picture is always the selected entry's face from the card face
// control, flattened onto white exactly as a saved bitmap is.
class CardTransfer : public QObject
{
    Q_OBJECT
public:
    CardTransfer(ListBox *list, QLabel *preview, Deck *deck, QLineEdit *folder, QObject *parent = nullptr);
    ~CardTransfer() override;

    // The context menu's entries, in menu order.
    QAction *copyCardImageAction() const { return m_copyImage; }
    QAction *copyDrawnCardsAction() const { return m_copyAll; }
    QAction *saveCardAsAction() const { return m_saveAs; }
    QAction *openOutputFolderAction() const { return m_openFolder; }

    void copyCardImage();
    void copyDrawnCards();
    void saveCardAs();
    void openOutputFolder();

    // What a copy or a drag hands out for the selected entry: the face, the
    // entry with its card's name and, with a file, "Card N.png" written now in
    // a folder of this object's own (left out, with a warning in the log, when
    // it cannot be written); nullptr with no entry selected.
    QMimeData *selectedCardData(bool withFile);

    // "Card 17 (four of diamonds)"; an entry that names no card stays as it is.
    static QString entryWithName(const QString &entryText);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *addAction(const QString &text);
    void updateActions();
    // The selected entry's text and face; false with none selected.
    bool selectedCard(QString *entryText, QPixmap *face);
    void startDrag();
    // Where a dragged file goes: in a folder of ours that exists now. Throws
    // Failure when none can be made.
    QString dragFilePath(const QString &fileName);

    QPointer<ListBox> m_list;
    QPointer<QLabel> m_preview;
    QPointer<Deck> m_deck;
    QPointer<QLineEdit> m_folder;
    QAction *m_copyImage = nullptr;
    QAction *m_copyAll = nullptr;
    QAction *m_saveAs = nullptr;
    QAction *m_openFolder = nullptr;
    QPoint m_pressAt;
    bool m_pressed = false;
    // Dragged files must outlive the drop, since a file manager copies them
    // after it; the folder goes with this object, when the program ends.
    std::unique_ptr<QTemporaryDir> m_dragFolder;
};
