#pragma once

#include <QListWidget>

// A list whose selection handler runs on every assignment of the selected
// position, also when the position does not change: restoring the selection
// after the faces of other entries were visited must preview that entry again.
//
// Each "Card N" entry also tells assistive technology which card it is ("four
// of diamonds"), however the entry was added or changed, and the list shows
// that it has the focus even when it holds no entry.
class ListBox : public QListWidget
{
    Q_OBJECT
public:
    explicit ListBox(QWidget *parent = nullptr);
    ~ListBox() override;

    // Makes row current and selected (-1: none) and always raises Click().
    void setListIndex(int row);
    // The selected card's row: the current row when it is also selected, else
    // -1. Focus entering the list makes an entry current without selecting it,
    // and Ctrl+click unselects an entry that stays current.
    int selectedRow() const;

signals:
    // The selected entry changed or was assigned: by mouse, keyboard or program.
    void Click();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void describeRows(int first, int last);
};
