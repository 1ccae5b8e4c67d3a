#include "core/Messages.h"

#include "core/CardEntry.h"

QString Messages::done() { return tr("Done."); }
QString Messages::noCardSelected() { return tr("No card selected."); }
QString Messages::upToDeckSize() { return tr("Up to %1 cards allowed").arg(CardEntry::DeckSize); }
QString Messages::mustBeNumerical() { return tr("Must be numerical value."); }
QString Messages::numericValueRequired() { return tr("Numeric Value Required"); }
QString Messages::noCardLeft()
{
    return tr("No card left to draw: all %1 cards are listed").arg(CardEntry::DeckSize);
}
QString Messages::cannotDrawCount(qint32 count)
{
    return tr("Cannot draw %1 distinct cards from a deck of %2").arg(count).arg(CardEntry::DeckSize);
}

QString Messages::changeCardRange() { return tr("ChangeCard property must be from 0 to 53!"); }
QString Messages::changeBackRange() { return tr("ChangeBack property must be from 0 to 11!"); }
QString Messages::cannotChangeProperty() { return tr("You cannot change this property."); }

QString Messages::applicationError() { return tr("Application Error"); }
QString Messages::errorIn() { return tr("in "); }
QString Messages::errorAtLine() { return tr("at line "); }
QString Messages::emailScreenshot() { return tr("Please email screenshot of this message to "); }
QString Messages::subscriptOutOfRange() { return tr("Subscript out of range"); }
QString Messages::typeMismatch() { return tr("Type mismatch"); }
QString Messages::overflow() { return tr("Overflow"); }
QString Messages::divisionByZero() { return tr("Division by zero"); }

QString Messages::folderLabel() { return tr("Save Results To This Folder"); }
QString Messages::selectFolder() { return tr("Please select folder:"); }
QString Messages::noOutputFolder()
{
    return tr("No output folder is set. Type a folder into \"%1\" or choose one with the ... button.")
        .arg(folderLabel());
}
QString Messages::folderNotFullPath(const QString &folderText)
{
    return tr("The output folder \"%1\" is not a full path. Type the whole path of the folder, or choose "
              "one with the ... button.")
        .arg(folderText);
}
QString Messages::folderMissing(const QString &folderText)
{
    return tr("The output folder \"%1\" does not exist. Type an existing folder into \"%2\" or choose one "
              "with the ... button.")
        .arg(folderText, folderLabel());
}
QString Messages::noFileManager(const QString &folder)
{
    return tr("Velmora could not open the folder \"%1\": no file manager is set up to show it.").arg(folder);
}
QString Messages::savedSome(int saved, int count)
{
    return tr("Saved %1 of %2 cards. The others could not be written; the messages before this one say why.")
        .arg(saved)
        .arg(count);
}
QString Messages::reportTogether() { return tr("Report the other cards of this save together at the end"); }
QString Messages::savedTogether(int saved, int count, const QString &reasons)
{
    // English says "1 card" and "5 cards"; other languages have their own
    // forms for each count, in the numerus forms of both texts.
    const QString savedOf = count == 1 ? tr("Saved %1 of %n card.", nullptr, count)
                                       : tr("Saved %1 of %n cards.", nullptr, count);
    return savedOf.arg(saved) + u' '
        + tr("%n could not be written: %1.", "the cards not written, and why", count - saved).arg(reasons);
}
QString Messages::cannotWrite(const QString &path, const QString &reason)
{
    return tr("Cannot write %1: %2").arg(path, reason);
}
QString Messages::notEncoded() { return tr("the picture could not be encoded"); }
QString Messages::documentNotMade() { return tr("the document could not be made"); }
QString Messages::noFaceToSave(const QString &path) { return tr("No card face to save as %1").arg(path); }
QString Messages::settingsNotSaved(const QString &location)
{
    return tr("Your settings could not be saved to %1.\r\n"
              "Velmora keeps working, but this change will be lost when it closes.")
        .arg(location);
}

QString Messages::unexpectedArgument(const QString &argument)
{
    return tr("unexpected argument \"%1\"; see velmora --help").arg(argument);
}
QString Messages::unknownOption(const QString &name) { return tr("unknown option %1; see velmora --help").arg(name); }
QString Messages::givenTwice(const QString &name) { return tr("%1 is given twice").arg(name); }
QString Messages::needsValue(const QString &name) { return tr("%1 needs a value; see velmora --help").arg(name); }
QString Messages::countNotNumber(const QString &text)
{
    return tr("--draw needs a number of cards from 1 to %1, not \"%2\"").arg(CardEntry::DeckSize).arg(text);
}
QString Messages::countOutOfRange(const QString &text)
{
    return tr("--draw needs a number of cards from 1 to %1; \"%2\" is out of range").arg(CardEntry::DeckSize).arg(text);
}
QString Messages::sizeRefused(int min, int max, const QString &text)
{
    return tr("--size needs a width in pixels, a whole number from %1 to %2, not \"%3\"").arg(min).arg(max).arg(text);
}
QString Messages::needsSaveTo(const QString &option)
{
    return tr("--%1 is for the files of --save-to, which is not given").arg(option);
}
QString Messages::saveToNeedsFolder() { return tr("--save-to needs a folder"); }
QString Messages::formatRefused(const QString &text)
{
    return tr("--format is bmp, png, svg or pdf, not \"%1\"").arg(text);
}
QString Messages::sizeForPngOnly()
{
    return tr("--size is for --format png only (SVG and PDF are drawings of any size; a bitmap is the picture's own)");
}
QString Messages::pdfLayoutForPdfOnly() { return tr("--pdf-layout is for --format pdf only"); }
QString Messages::pdfLayoutRefused(const QString &text)
{
    return tr("--pdf-layout is sheets or card, not \"%1\"").arg(text);
}
QString Messages::needsDraw(const QString &option) { return tr("--%1 needs --draw or --deck").arg(option); }
QString Messages::folderNotThere(const QString &folder) { return tr("the folder %1 does not exist").arg(folder); }
QString Messages::folderNameTooLong(const QString &folder)
{
    return tr("the folder name %1 is longer than the system allows").arg(folder);
}
QString Messages::folderNameNotText(const QString &folder)
{
    return tr("the folder's name is not UTF-8 text, so it cannot be found (it reads as %1)").arg(folder);
}
QString Messages::folderUnreachable(const QString &folder, const QString &reason)
{
    return tr("cannot reach the folder %1: %2").arg(folder, reason);
}
QString Messages::notAFolder(const QString &folder) { return tr("%1 is not a folder").arg(folder); }
QString Messages::noDisplay()
{
    return tr("there is no display to open the window on; --draw works without one (see velmora --help)");
}
QString Messages::windowCannotOpen(const QString &why)
{
    return tr("the window cannot open: %1; --draw works without it").arg(why);
}
QString Messages::stdoutUnwritable(const QString &reason)
{
    return tr("cannot write to standard output: %1").arg(reason);
}
QString Messages::stdoutClosed() { return tr("standard output is closed; nothing was done"); }
QString Messages::nothingToDo() { return tr("nothing to do; see velmora --help"); }

QString Messages::jokerShown(const QString &name, bool red)
{
    return (red ? tr("%1 (red joker)") : tr("%1 (black joker)")).arg(name);
}
QString Messages::cardSizeRefused(const QString &text)
{
    return tr("--card-size is picture, poker or bridge, not \"%1\"").arg(text);
}
QString Messages::forPdfOnly(const QString &option) { return tr("--%1 is for --format pdf only").arg(option); }
QString Messages::backRefused(const QString &text)
{
    return tr("--back is one of the backs 1 to 12, not \"%1\"").arg(text);
}
QString Messages::deckOrDraw() { return tr("--deck takes the whole deck in order: give it or --draw, not both"); }
QString Messages::jokersNeedDeck() { return tr("--jokers needs --deck (a draw holds no jokers)"); }
QString Messages::progressLine(int done, int total, int percent, const QString &timeLeft)
{
    return tr("%1 of %2 cards (%3 %), %4 left").arg(done).arg(total).arg(percent).arg(timeLeft);
}

QString Messages::exportCancelled()
{
    // The document is written whole or not at all.
    return tr("The export was cancelled: no file was written, and an earlier file of that name is as it was.");
}
QString Messages::printCancelled() { return tr("Printing was cancelled."); }
QString Messages::printingUnavailable(const QString &reason)
{
    return tr("Cannot print: the print module did not load. Reinstalling Velmora puts it back.\n\n%1").arg(reason);
}

QString Messages::dragFileMissing(const QString &problem)
{
    return tr("The dragged card went without its file, so a file manager received nothing: %1.").arg(problem);
}
