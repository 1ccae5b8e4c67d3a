#pragma once

#include "save/PrintChoices.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;

// The step before a PDF export or printing: the card size, the bleed, a back
// (shown as small pictures of the twelve) or none, mirrored backs pages for
// duplex, and for a PDF the layout; for the whole deck also the jokers.
// Every control has a mnemonic of its own and a name for screen readers;
// Enter takes the choices, Escape leaves them.
class PrintOptionsDialog : public QDialog
{
    Q_OBJECT
public:
    enum class Purpose { Print, DrawnPdf, DeckPdf };

    PrintOptionsDialog(Purpose purpose, const PrintChoices &initial, QWidget *parent = nullptr);

    PrintChoices choices() const;

    // "Back 1" .. "Back 12" for the backs 0..11: the thumbnails' names.
    static QString backName(int back);

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The thumbnails in the chosen card size.
    void drawThumbnails();
    void updateDuplex();

    Purpose m_purpose;
    PrintChoices m_initial;
    QComboBox *m_size = nullptr;
    QCheckBox *m_bleed = nullptr;
    QListWidget *m_backs = nullptr;
    QCheckBox *m_duplex = nullptr;
    QComboBox *m_layout = nullptr;
    QCheckBox *m_jokers = nullptr;
};
