// cardart: draws every picture of the card face control, the program icon and
// the hand pointer from code, so the committed files can always be rebuilt.
#include "tools/cardart/ContactSheet.h"
#include "tools/cardart/PictureSet.h"
#include "render/CardSheet.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <cstdio>

namespace {

bool writePrintSheets(const QString &path, QString *error)
{
    QList<CardArt> cards;
    for (int i = 0; i < 52; ++i)
        cards << CardArt::face(i);
    cards << CardArt::joker(true) << CardArt::joker(false);
    for (int i = 0; i < 12; ++i)
        cards << CardArt::back(i);
    QPdfWriter writer(path);
    writer.setCreator(QStringLiteral("Velmora cardart"));
    writer.setTitle(QStringLiteral("Velmora cards"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&writer)) {
        *error = QStringLiteral("%1: cannot write the PDF").arg(path);
        return false;
    }
    CardSheet::paint(painter, writer, cards, CardSheet::Layout::Sheets);
    return painter.end();
}

} // namespace

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
    const QCommandLineOption icons(QStringLiteral("icons"), QStringLiteral("Folder for the program icon, the cursor and the installer's picture."),
                                   QStringLiteral("dir"));
    const QCommandLineOption sheet(QStringLiteral("sheet"),
                                   QStringLiteral("Contact sheet PNG of the pictures (needs --out)."),
                                   QStringLiteral("file"));
    const QCommandLineOption print(QStringLiteral("print-sheets"),
                                   QStringLiteral("PDF of every face, both jokers and the backs at card size "
                                                  "on A4 sheets, as the program prints them."),
                                   QStringLiteral("file"));
    parser.addOptions({out, icons, sheet, print});
    parser.process(app);

    if (!parser.isSet(out) && !parser.isSet(icons) && !parser.isSet(print)) {
        std::fprintf(stderr, "cardart: give --out DIR, --icons DIR and/or --print-sheets FILE\n");
        return 2;
    }
    if (parser.isSet(sheet) && !parser.isSet(out)) {
        std::fprintf(stderr, "cardart: --sheet needs --out\n");
        return 2;
    }

    QString error;
    const bool ok = (!parser.isSet(out) || PictureSet::writePictures(parser.value(out), &error))
        && (!parser.isSet(icons) || PictureSet::writeIcons(parser.value(icons), &error))
        && (!parser.isSet(sheet) || ContactSheet::write(parser.value(out), parser.value(sheet), &error))
        && (!parser.isSet(print) || writePrintSheets(parser.value(print), &error));
    if (!ok) {
        std::fprintf(stderr, "cardart: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
