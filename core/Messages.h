#pragma once

#include <QCoreApplication>
#include <QString>

// Every text a person reads in a message box, on the command line's standard
// error and in an error report, in one place: the code shows these, the tests
// compare with these, and a translation changes them here alone. Arguments are
// the parts that vary (a path, a count, a reason).
class Messages
{
    Q_DECLARE_TR_FUNCTIONS(Messages)
public:
    // The draw and its count.
    static QString done();
    static QString noCardSelected();
    static QString upToDeckSize();
    static QString mustBeNumerical();
    static QString numericValueRequired();
    static QString noCardLeft();
    static QString cannotDrawCount(qint32 count);

    // The card face control's properties.
    static QString changeCardRange();
    static QString changeBackRange();
    static QString cannotChangeProperty();

    // The error report: what failed, where and at which line, and whom to tell.
    static QString applicationError();
    static QString errorIn();
    static QString errorAtLine();
    static QString emailScreenshot();
    static QString subscriptOutOfRange();
    static QString typeMismatch();
    static QString overflow();
    static QString divisionByZero();

    // The output folder and the files written into it.
    static QString folderLabel();
    static QString selectFolder();
    static QString noOutputFolder();
    static QString folderNotFullPath(const QString &folderText);
    static QString folderMissing(const QString &folderText);
    static QString noFileManager(const QString &folder);
    static QString savedSome(int saved, int count);
    static QString reportTogether();
    static QString savedTogether(int saved, int count, const QString &reasons);
    static QString cannotWrite(const QString &path, const QString &reason);
    static QString notEncoded();
    static QString documentNotMade();
    static QString noFaceToSave(const QString &path);
    static QString settingsNotSaved(const QString &location);

    // The command line's refusals, each one line after "velmora: ".
    static QString unexpectedArgument(const QString &argument);
    static QString unknownOption(const QString &name);
    static QString givenTwice(const QString &name);
    static QString needsValue(const QString &name);
    static QString countNotNumber(const QString &text);
    static QString countOutOfRange(const QString &text);
    static QString sizeRefused(int min, int max, const QString &text);
    static QString needsSaveTo(const QString &option);
    static QString saveToNeedsFolder();
    static QString formatRefused(const QString &text);
    static QString sizeForPngOnly();
    static QString pdfLayoutForPdfOnly();
    static QString pdfLayoutRefused(const QString &text);
    static QString needsDraw(const QString &option);
    static QString folderNotThere(const QString &folder);
    static QString folderNameTooLong(const QString &folder);
    static QString folderNameNotText(const QString &folder);
    static QString folderUnreachable(const QString &folder, const QString &reason);
    static QString notAFolder(const QString &folder);
    static QString noDisplay();
    static QString windowCannotOpen(const QString &why);
    static QString stdoutUnwritable(const QString &reason);
    static QString stdoutClosed();
    static QString nothingToDo();

    // The whole deck, card sizes, bleed and backs, and the progress line.
    static QString jokerShown(const QString &name, bool red);
    static QString cardSizeRefused(const QString &text);
    static QString forPdfOnly(const QString &option);
    static QString backRefused(const QString &text);
    static QString deckOrDraw();
    static QString jokersNeedDeck();
    static QString progressLine(int done, int total, int percent, const QString &timeLeft);

    // The window's PDF exports and printing, stopped from their progress dialog.
    static QString exportCancelled();
    static QString printCancelled();
    // The print module would not load: the loader's reason.
    static QString printingUnavailable(const QString &reason);
    // A dragged card whose file could not be written: why.
    static QString dragFileMissing(const QString &problem);
};
