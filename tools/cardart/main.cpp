// cardart: draws every picture of the card face control, the program icon and
// the hand pointer from code, so the committed files can always be rebuilt.
#include "tools/cardart/ContactSheet.h"
#include "tools/cardart/PictureSet.h"
#include "render/CardSheet.h"
#include "render/CardSize.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <cstdio>

namespace {

// Every face, both jokers and the twelve backs.
QList<CardArt> everyCard()
{
    QList<CardArt> cards;
    for (int i = 0; i < 52; ++i)
        cards << CardArt::face(i);
    cards << CardArt::joker(true) << CardArt::joker(false);
    for (int i = 0; i < 12; ++i)
        cards << CardArt::back(i);
    return cards;
}

bool writePrintSheets(const QString &path, QString *error)
{
    const QList<CardArt> cards = everyCard();
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

// Every face, both jokers and the twelve backs drawn at twice the pictures'
// width in one size's shape, on grey so the corners and edges show.
bool writeSizeSheet(const QString &sizeName, const QString &path, QString *error)
{
    const std::optional<CardSize> size = CardSizes::named(sizeName);
    if (!size) {
        *error = QStringLiteral("%1: not a card size").arg(sizeName);
        return false;
    }
    const QList<CardArt> cards = everyCard();
    const int width = 2 * CardRenderer::PictureWidth;
    const int height = CardSizes::heightForWidth(*size, width);
    const int gap = 6, columns = 13;
    const int rows = (int(cards.size()) + columns - 1) / columns;
    QImage sheet(gap + columns * (width + gap), gap + rows * (height + gap), QImage::Format_RGB32);
    sheet.fill(QColor(150, 150, 150));
    QPainter painter(&sheet);
    for (int i = 0; i < cards.size(); ++i)
        painter.drawImage(gap + (i % columns) * (width + gap), gap + (i / columns) * (height + gap),
                          CardRenderer::image(cards.at(i), width, *size));
    painter.end();
    if (!sheet.save(path)) {
        *error = QStringLiteral("%1: cannot write the sheet").arg(path);
        return false;
    }
    return true;
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
    const QCommandLineOption sizeSheet(QStringLiteral("size-sheet"),
                                       QStringLiteral("Contact sheet PNG of every face, joker and back at twice "
                                                      "the pictures' width in one card size: SIZE:FILE."),
                                       QStringLiteral("size:file"));
    parser.addOptions({out, icons, sheet, print, sizeSheet});
    parser.process(app);

    if (parser.isSet(sizeSheet)) {
        QString error;
        const QString value = parser.value(sizeSheet);
        if (!writeSizeSheet(value.section(u':', 0, 0), value.section(u':', 1), &error)) {
            std::fprintf(stderr, "cardart: %s\n", qPrintable(error));
            return 1;
        }
        return 0;
    }
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
