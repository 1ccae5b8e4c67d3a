#pragma once

#include <QLabel>

// The preview image: shows its picture at the picture's own size from its
// top-left corner. On a screen scaled by a whole number every picture pixel
// becomes a sharp block instead of QLabel's smoothed enlargement, so a card
// face stays as crisp as it was drawn; other scales are smoothed.
class PictureBox : public QLabel
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
