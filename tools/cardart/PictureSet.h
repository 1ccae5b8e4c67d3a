#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// The complete picture set of the card face control and the program's icons,
// and how each file is named and written.
class PictureSet
{
public:
    // Every file of the card picture folder, in the control's order: faces,
    // jokers, marks, backs, details, icon (PictureNames' list).
    static QStringList pictureFiles();
    static QStringList iconFiles();

    // The picture behind a file name of pictureFiles(), before it is reduced
    // to the file's palette.
    static QImage render(const QString &fileName);

    static bool writePictures(const QString &dir, QString *error);
    static bool writeIcons(const QString &dir, QString *error);
};
