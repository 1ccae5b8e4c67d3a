#pragma once

#include <QString>

// One overview PNG of the written picture set at twice its size, each picture
// labelled with its file name: the quickest way to review the whole deck.
class ContactSheet
{
public:
    // Reads the pictures back from pictureDir, so the sheet shows the files
    // exactly as the program will load them.
    static bool write(const QString &pictureDir, const QString &sheetPath, QString *error);
};
