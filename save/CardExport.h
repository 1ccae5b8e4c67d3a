#pragma once

#include <QObject>
#include <QPointer>

class Deck;
class ListBox;
class QLineEdit;

// The two save buttons: the face of every listed card, or of the selected
// one, as a Windows bitmap named after its entry in the output folder. The
// paths, folder checks and writing are export/'s; these handlers call them.
class CardExport : public QObject
{
    Q_OBJECT
public:
    CardExport(ListBox *list, QLineEdit *folder, Deck *deck, QObject *parent = nullptr);

    void PushButton1_Click(); // save all
    void PushButton3_Click(); // save selected

private:
    QString entryText(int index) const;
    // The current row when it is also selected, else -1.
    int selectedRow() const;

    QPointer<ListBox> m_list;
    QPointer<QLineEdit> m_folder;
    QPointer<Deck> m_deck;
};
