// The texts people read, in English, once: the one place the tests spell
// them. Every other test compares with Messages.
#include "core/Messages.h"

#include <QTest>

using Text = QString (*)();

class TstMessages : public QObject
{
    Q_OBJECT
private slots:
    void englishTexts_data();
    void englishTexts();
};

void TstMessages::englishTexts_data()
{
    QTest::addColumn<Text>("text");
    QTest::addColumn<QString>("english");
    const auto row = [](const char *name, Text text, const char *english) {
        QTest::addRow("%s", name) << text << QString::fromUtf8(english);
    };
    row("done", Messages::done, "Done.");
    row("no card selected", Messages::noCardSelected, "No card selected.");
    row("count above the deck", Messages::upToDeckSize, "Up to 52 cards allowed");
    row("count not a number", Messages::mustBeNumerical, "Must be numerical value.");
    row("its title", Messages::numericValueRequired, "Numeric Value Required");
    row("ChangeCard out of range", Messages::changeCardRange, "ChangeCard property must be from 0 to 53!");
    row("ChangeBack out of range", Messages::changeBackRange, "ChangeBack property must be from 0 to 11!");
    row("read-only property", Messages::cannotChangeProperty, "You cannot change this property.");
    row("folder browser prompt", Messages::selectFolder, "Please select folder:");
    row("error report title", Messages::applicationError, "Application Error");
    row("error report contact", Messages::emailScreenshot, "Please email screenshot of this message to ");
    row("error report handler", Messages::errorIn, "in ");
    row("error report line", Messages::errorAtLine, "at line ");
    row("folder label", Messages::folderLabel, "Save Results To This Folder");
    row("type mismatch", Messages::typeMismatch, "Type mismatch");
    row("overflow", Messages::overflow, "Overflow");
    row("division by zero", Messages::divisionByZero, "Division by zero");
    row("subscript", Messages::subscriptOutOfRange, "Subscript out of range");
    row("report together", Messages::reportTogether, "Report the other cards of this save together at the end");
    row("summary of a save reported together",
        [] { return Messages::savedTogether(0, 52, QStringLiteral("No such file or directory")); },
        "Saved 0 of 52 cards. 52 could not be written: No such file or directory.");
    row("its one-card form", [] { return Messages::savedTogether(0, 1, QStringLiteral("The disk is full")); },
        "Saved 0 of 1 card. 1 could not be written: The disk is full.");
}

void TstMessages::englishTexts()
{
    QFETCH(Text, text);
    QFETCH(QString, english);
    QCOMPARE(text(), english);
}

QTEST_GUILESS_MAIN(TstMessages)
#include "tst_messages.moc"
