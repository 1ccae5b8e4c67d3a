// The SVG writer: what it writes must be the drawing as QPainter paints it,
// read back by other programs (librsvg, LibreOffice), small enough to pass
// round, and a document any XML reader takes. The 52 faces are checked with
// librsvg through the command line.
#include "render/CardRenderer.h"
#include "render/CardSheet.h"
#include "render/SvgDevice.h"
#include "tests/support/ImageCheck.h"

#include <QPainter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QTest>
#include <QXmlStreamReader>
#include <functional>

using Paint = std::function<void(QPainter &)>;
Q_DECLARE_METATYPE(QList<Paint>)

class tst_SvgDevice : public QObject
{
    Q_OBJECT

private slots:
    void rendersAsPainted_data();
    void rendersAsPainted();
    void facesStaySmall();
    void facesHaveNoHolesInLibreOffice();
    void documentIsXmlWithItsTitle_data();
    void documentIsXmlWithItsTitle();
};

namespace {

constexpr int Scale = 4;

// Pixels deep inside the expected picture's ink (all within two pixels of
// them dark) that another reader leaves light: holes, whatever the reader's
// smoothing of edges or a pixel's shift.
int holes(const QImage &seen, const QImage &expected)
{
    const auto dark = [](QRgb c) { return qAlpha(c) > 192 && qGray(c) < 96; };
    int count = 0;
    for (int y = 2; y < expected.height() - 2; ++y)
        for (int x = 2; x < expected.width() - 2; ++x) {
            bool deep = true;
            for (int ny = y - 2; deep && ny <= y + 2; ++ny)
                for (int nx = x - 2; deep && nx <= x + 2; ++nx)
                    deep = dark(expected.pixel(nx, ny));
            count += deep && qAlpha(seen.pixel(x, y)) > 64 && qGray(seen.pixel(x, y)) > 160;
        }
    return count;
}

QImage painted(const Paint &paint)
{
    QImage expected(71 * Scale, 96 * Scale, QImage::Format_ARGB32_Premultiplied);
    expected.fill(Qt::transparent);
    QPainter p(&expected);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(Scale, Scale);
    paint(p);
    p.end();
    return expected;
}

QByteArray svgOf(const Paint &paint, const QString &title = QString())
{
    SvgDevice device(QSize(CardRenderer::PictureWidth, CardRenderer::PictureHeight), CardSheet::cardSizeMm());
    device.setTitle(title);
    QPainter p(&device);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p);
    p.end();
    return device.document();
}

Paint art(CardArt card)
{
    return [card](QPainter &p) { CardRenderer::paint(p, QRectF(0, 0, CardRenderer::PictureWidth, CardRenderer::PictureHeight), card); };
}

} // namespace

void tst_SvgDevice::rendersAsPainted_data()
{
    QTest::addColumn<QList<Paint>>("drawings");
    QList<Paint> backs;
    for (int i = 0; i < 12; ++i)
        backs << art(CardArt::back(i));
    QTest::addRow("backs: linear gradients, rotated and clipped patterns") << backs;
    QTest::addRow("jokers: polygons on both sides of the origin, clipped to the tunic")
        << QList<Paint>{art(CardArt::joker(true)), art(CardArt::joker(false))};
    QTest::addRow("what SVG has no element for here still appears: dashes, text, a conical fill, a picture")
        << QList<Paint>{[](QPainter &p) {
               p.fillRect(QRectF(0, 0, 71, 96), Qt::white);
               p.setPen(QPen(Qt::blue, 2, Qt::DashLine));
               p.drawLine(QLineF(5, 8, 66, 8));
               QConicalGradient cone(52, 32, 0);
               cone.setColorAt(0, Qt::red);
               cone.setColorAt(1, Qt::blue);
               p.fillRect(QRectF(40, 20, 24, 24), cone);
               QImage picture(4, 4, QImage::Format_RGB32);
               picture.fill(Qt::darkGreen);
               p.drawImage(QRectF(6, 20, 20, 24), picture);
               QFont font;
               font.setPixelSize(20);
               p.setFont(font);
               p.setPen(Qt::black);
               p.drawText(QPointF(8, 80), QStringLiteral("Ag"));
           }};
}

void tst_SvgDevice::rendersAsPainted()
{
    QFETCH(QList<Paint>, drawings);
    if (QStandardPaths::findExecutable(QStringLiteral("rsvg-convert")).isEmpty())
        QSKIP("rsvg-convert is not installed (librsvg2-bin: scripts/install-deps --dev)");
    QTemporaryDir dir;
    for (qsizetype i = 0; i < drawings.size(); ++i) {
        const QString svg = dir.filePath(QStringLiteral("%1.svg").arg(i));
        const QString png = dir.filePath(QStringLiteral("%1.png").arg(i));
        QFile file(svg);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(svgOf(drawings.at(i))) > 0);
        file.close();
        ImageCheck::tool(QStringLiteral("rsvg-convert"), {"-w", QString::number(71 * Scale), "-o", png, svg});
        const QImage expected = painted(drawings.at(i));
        const QImage seen(png);
        QCOMPARE(seen.size(), expected.size());
        const double off = ImageCheck::percentOff(seen, expected);
        QVERIFY2(off < 0.2, qPrintable(QStringLiteral("drawing %1 is %2% off").arg(i).arg(off)));
    }
}

void tst_SvgDevice::facesStaySmall()
{
    // Curves written as curves and a shape drawn twice written once keep a
    // court card near 20 KB; flattened curves made them 140 KB.
    for (int face = 0; face < 52; ++face)
        QVERIFY2(svgOf(art(CardArt::face(face))).size() <= 25 * 1024, qPrintable(QString::number(face)));
}

void tst_SvgDevice::facesHaveNoHolesInLibreOffice()
{
    // LibreOffice took an inherited clip rule for a shape's fill: the index
    // letters' crossing strokes, filled nonzero, came out with holes.
    const QString office = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (office.isEmpty())
        QSKIP("LibreOffice is not installed (libreoffice-draw-nogui)");
    QTemporaryDir dir;
    const QString size = QStringLiteral("{\"type\":\"long\",\"value\":\"%1\"}");
    QStringList args{"-env:UserInstallation=" + QUrl::fromLocalFile(dir.filePath("profile")).toString(), "--headless",
                     "--convert-to", QStringLiteral("png:draw_png_Export:{\"PixelWidth\":%1,\"PixelHeight\":%2}")
                                         .arg(size.arg(71 * Scale), size.arg(96 * Scale)), "--outdir", dir.path()};
    for (int face = 0; face < 52; ++face) {
        QFile file(dir.filePath(QStringLiteral("%1.svg").arg(face)));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(svgOf(art(CardArt::face(face)))) > 0);
        args << file.fileName();
    }
    ImageCheck::tool(office, args);
    for (int face = 0; face < 52; ++face) {
        const QImage seen(dir.filePath(QStringLiteral("%1.png").arg(face)));
        QCOMPARE(seen.size(), QSize(71 * Scale, 96 * Scale));
        const int open = holes(seen, painted(art(CardArt::face(face))));
        QVERIFY2(open == 0, qPrintable(QStringLiteral("face %1 has %2 pixels of holes").arg(face).arg(open)));
    }
}

void tst_SvgDevice::documentIsXmlWithItsTitle_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("readBack");
    QTest::addRow("markup characters are escaped") << "<b>Jack & \"Jill\"</b>" << "<b>Jack & \"Jill\"</b>";
    QTest::addRow("any language is kept") << "Valet de cœur ♥ 紅心" << "Valet de cœur ♥ 紅心";
    QTest::addRow("characters XML cannot hold are left out") << QStringLiteral("a\u0001b\uffffc") + QChar(0xd800) << "abc";
}

void tst_SvgDevice::documentIsXmlWithItsTitle()
{
    QFETCH(QString, title);
    QFETCH(QString, readBack);
    QXmlStreamReader xml(svgOf(art(CardArt::face(50)), title));
    QString seen;
    QString width;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("svg"))
            width = xml.attributes().value(QLatin1String("width")).toString();
        if (xml.isStartElement() && xml.name() == QLatin1String("title"))
            seen = xml.readElementText();
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(seen, readBack);
    QCOMPARE(width, QStringLiteral("63mm"));
}

QTEST_MAIN(tst_SvgDevice)
#include "tst_svgdevice.moc"
