// cardart: draws every picture of the card face control, the program icon and
// the hand pointer from code, so the committed files can always be rebuilt.
#include "tools/cardart/ContactSheet.h"
#include "tools/cardart/PictureSet.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    // Fonts (for the sheet's labels) need a GUI application, but no screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the Velmora card pictures and icons."));
    parser.addHelpOption();
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("Folder for the card pictures."),
                                 QStringLiteral("dir"));
    const QCommandLineOption icons(QStringLiteral("icons"), QStringLiteral("Folder for the program icon and cursor."),
                                   QStringLiteral("dir"));
    const QCommandLineOption sheet(QStringLiteral("sheet"),
                                   QStringLiteral("Contact sheet PNG of the pictures (needs --out)."),
                                   QStringLiteral("file"));
    parser.addOptions({out, icons, sheet});
    parser.process(app);

    if (!parser.isSet(out) && !parser.isSet(icons)) {
        std::fprintf(stderr, "cardart: give --out DIR and/or --icons DIR\n");
        return 2;
    }
    if (parser.isSet(sheet) && !parser.isSet(out)) {
        std::fprintf(stderr, "cardart: --sheet needs --out\n");
        return 2;
    }

    QString error;
    const bool ok = (!parser.isSet(out) || PictureSet::writePictures(parser.value(out), &error))
        && (!parser.isSet(icons) || PictureSet::writeIcons(parser.value(icons), &error))
        && (!parser.isSet(sheet) || ContactSheet::write(parser.value(out), parser.value(sheet), &error));
    if (!ok) {
        std::fprintf(stderr, "cardart: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
