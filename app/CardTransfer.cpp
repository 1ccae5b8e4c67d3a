#include "app/CardTransfer.h"

#include "cardface/CardImageSet.h"
#include "cardface/Deck.h"
#include "core/CardEntry.h"
#include "core/Failure.h"
#include "widgets/ListBox.h"
#include "core/Platform.h"
#include "export/CardExport.h"
#include "export/SaveAs.h"
#include "render/CardRenderer.h"
#include "render/CardSheet.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDrag>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTemporaryDir>
#include <QUrl>

namespace {

QList<CardArt> faceArts(const QList<int> &faces)
{
    QList<CardArt> arts;
    for (int face : faces)
        arts.append(CardArt::face(face));
    return arts;
}

// The hand as one picture: the cards side by side at twice their size on
// white, with a little room between them.
QImage handImage(const QList<int> &faces)
{
    constexpr int gap = 8;
    const int width = 2 * CardRenderer::PictureWidth;
    const QSize card = CardRenderer::sizeForWidth(width);
    QImage image(int(faces.size()) * (width + gap) - gap, card.height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (int i = 0; i < faces.size(); ++i)
        CardRenderer::paint(painter, QRectF(QPointF(i * (width + gap), 0), card), CardArt::face(faces.at(i)));
    return image;
}

} // namespace

CardTransfer::CardTransfer(ListBox *list, QLabel *preview, Deck *deck, QLineEdit *folder, QObject *parent)
    : QObject(parent), m_list(list), m_preview(preview), m_deck(deck), m_folder(folder)
{
    m_copyImage = addAction(QStringLiteral("Copy Card Image"));
    // Every copy key of the platform (Ctrl+C, Ctrl+Insert, ...), and only
    // while the list has the focus: in the folder field they copy its text.
    m_copyImage->setShortcuts(QKeySequence::Copy);
    m_copyImage->setShortcutContext(Qt::WidgetShortcut);
    m_copyAll = addAction(QStringLiteral("Copy Drawn Cards"));
    m_saveAs = addAction(QStringLiteral("Save Card As\u2026"));
    m_exportPdf = addAction(QStringLiteral("Export Drawn Cards as PDF\u2026"));
    m_print = addAction(QStringLiteral("Print Drawn Cards\u2026"));
    m_openFolder = addAction(QStringLiteral("Open Output Folder"));
    connect(m_copyImage, &QAction::triggered, this, &CardTransfer::copyCardImage);
    connect(m_copyAll, &QAction::triggered, this, &CardTransfer::copyDrawnCards);
    connect(m_saveAs, &QAction::triggered, this, &CardTransfer::saveCardAs);
    connect(m_exportPdf, &QAction::triggered, this, &CardTransfer::exportDrawnCardsAsPdf);
    connect(m_print, &QAction::triggered, this, &CardTransfer::printDrawnCards);
    connect(m_openFolder, &QAction::triggered, this, &CardTransfer::openOutputFolder);

    for (QWidget *widget : {static_cast<QWidget *>(list), static_cast<QWidget *>(preview)}) {
        widget->setContextMenuPolicy(Qt::ActionsContextMenu);
        widget->addActions({m_copyImage, m_copyAll, m_saveAs, m_exportPdf, m_print, m_openFolder});
    }
    list->viewport()->installEventFilter(this);
    preview->installEventFilter(this);

    // A draw empties and fills the list and moves the selection, also inside
    // its yields: every such change settles what can be copied.
    connect(list, &ListBox::Click, this, &CardTransfer::updateActions);
    connect(list, &QListWidget::currentRowChanged, this, &CardTransfer::updateActions);
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CardTransfer::updateActions);
    QAbstractItemModel *model = list->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, &CardTransfer::updateActions);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &CardTransfer::updateActions);
    connect(model, &QAbstractItemModel::modelReset, this, &CardTransfer::updateActions);
    updateActions();
}

CardTransfer::~CardTransfer() = default;

QAction *CardTransfer::addAction(const QString &text)
{
    auto *action = new QAction(text, this);
    action->setObjectName(text);
    return action;
}

void CardTransfer::updateActions()
{
    const bool selected = m_list && m_list->selectedRow() >= 0;
    m_copyImage->setEnabled(selected);
    m_saveAs->setEnabled(selected);
    const bool listed = m_list && m_list->count() > 0;
    m_copyAll->setEnabled(listed);
    m_exportPdf->setEnabled(listed);
    m_print->setEnabled(listed);
}

QString CardTransfer::entryWithName(const QString &entryText)
{
    const std::optional<int> card = CardEntry::cardOf(entryText);
    return card ? entryText + QStringLiteral(" (") + CardEntry::cardName(*card) + QLatin1Char(')') : entryText;
}

bool CardTransfer::selectedCard(QString *entryText, QPixmap *face, int *faceIndex)
{
    // The selection the saves take: an entry made current without being
    // selected (focus entering the list, Ctrl+click) is no card to give.
    const int row = m_list ? m_list->selectedRow() : -1;
    if (row < 0 || !m_deck)
        return false;
    *entryText = m_list->item(row)->text();
    const std::optional<int> card = CardEntry::cardOf(*entryText);
    if (!card)
        return false;
    // The control already holds the selected entry's face; setting it again
    // costs nothing and makes sure no other face leaves under this name.
    m_deck->setChangeCard(qint16(*card - 1));
    if (faceIndex)
        *faceIndex = *card - 1;
    *face = m_deck->Picture();
    return !face->isNull();
}

QMimeData *CardTransfer::selectedCardData(bool withFile)
{
    QString entry;
    QPixmap face;
    if (!selectedCard(&entry, &face))
        return nullptr;
    auto *data = new QMimeData;
    data->setImageData(CardExport::bitmapFace(face));
    data->setText(entryWithName(entry));
    if (withFile) {
        try {
            const QString path = dragFilePath(entry + QStringLiteral(".png"));
            CardExport::saveBitmap(face, path, CardExport::ImageFormat::Png);
            data->setUrls({QUrl::fromLocalFile(path)});
        } catch (const Failure &failure) {
            // The picture and the text still go; only a file manager gets nothing.
            qWarning("Velmora: the dragged card goes without its file: %s", qUtf8Printable(failure.description()));
        }
    }
    return data;
}

QString CardTransfer::dragFilePath(const QString &fileName)
{
    // Temp cleaners remove folders nobody has touched for a while: a folder
    // that is gone is made anew rather than written into as a path.
    if (m_dragFolder && !QFileInfo(m_dragFolder->path()).isDir())
        m_dragFolder.reset();
    if (!m_dragFolder) {
        // A TMPDIR that does not exist gives an empty path, and a folder made
        // from that would land in the root.
        const QString temp = QDir::tempPath();
        if (temp.isEmpty())
            throw Failure(QStringLiteral("the temporary folder does not exist"));
        auto folder = std::make_unique<QTemporaryDir>(temp + QStringLiteral("/velmora-XXXXXX"));
        if (!folder->isValid())
            throw Failure(QStringLiteral("no folder can be made in %1: %2")
                              .arg(QDir::toNativeSeparators(temp), folder->errorString()));
        m_dragFolder = std::move(folder);
    }
    return m_dragFolder->filePath(fileName);
}

void CardTransfer::copyCardImage()
{
    // A shortcut reaches a disabled action never, a stale menu maybe.
    if (QMimeData *data = selectedCardData(false))
        QGuiApplication::clipboard()->setMimeData(data);
}

QList<int> CardTransfer::listedFaces() const
{
    QList<int> faces;
    for (int row = 0; m_list && row < m_list->count(); ++row) {
        // An entry that names no card has no face to give.
        if (const std::optional<int> card = CardEntry::cardOf(m_list->item(row)->text()))
            faces.append(*card - 1);
    }
    return faces;
}

void CardTransfer::copyDrawnCards()
{
    if (!m_list || m_list->count() == 0)
        return;
    QStringList lines;
    for (int row = 0; row < m_list->count(); ++row)
        lines.append(entryWithName(m_list->item(row)->text()));
    auto *data = new QMimeData;
    data->setText(lines.join(QLatin1Char('\n')));
    const QList<int> faces = listedFaces();
    if (!faces.isEmpty())
        data->setImageData(handImage(faces));
    QGuiApplication::clipboard()->setMimeData(data);
}

void CardTransfer::saveCardAs()
{
    QString entry;
    QPixmap face;
    int faceIndex = -1;
    if (selectedCard(&entry, &face, &faceIndex))
        SaveAs::card(m_list->window(), m_folder ? m_folder->text() : QString(), entry, face, faceIndex,
                     entryWithName(entry), &m_saveFilter);
}

void CardTransfer::exportDrawnCardsAsPdf()
{
    const QList<int> faces = listedFaces();
    if (!faces.isEmpty())
        SaveAs::drawnCardsAsPdf(m_list->window(), m_folder ? m_folder->text() : QString(), faces);
}

void CardTransfer::printDrawnCards()
{
    const QList<CardArt> arts = faceArts(listedFaces());
    if (arts.isEmpty())
        return;
    const QString pdfPath = SaveAs::drawnCardsPdfPath(m_folder ? m_folder->text() : QString());
    Platform::current().print(m_list->window(), QStringLiteral("Print Drawn Cards"), pdfPath, [arts](QPagedPaintDevice &device) {
        QPainter painter;
        if (painter.begin(&device))
            CardSheet::paint(painter, device, arts, CardSheet::Layout::Sheets);
    });
}

void CardTransfer::openOutputFolder()
{
    SaveAs::openOutputFolder(m_folder ? m_folder->text() : QString());
}

bool CardTransfer::eventFilter(QObject *watched, QEvent *event)
{
    // Only mouse events are looked at: a list being destroyed still sends
    // others (hide, focus), and by then it must not be touched as a list.
    const QEvent::Type type = event->type();
    if ((type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease && type != QEvent::MouseMove)
        || !m_list || !m_deck)
        return QObject::eventFilter(watched, event);
    switch (type) {
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        // On the list only a press on an entry starts a drag; that press also
        // selects it, so the dragged card is the selected one.
        const bool onEntry = watched != m_list->viewport() || m_list->itemAt(mouse->position().toPoint());
        m_pressed = mouse->button() == Qt::LeftButton && onEntry;
        m_pressAt = mouse->position().toPoint();
        break;
    }
    case QEvent::MouseButtonRelease:
        m_pressed = false;
        break;
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (m_pressed && (mouse->buttons() & Qt::LeftButton)
            && (mouse->position().toPoint() - m_pressAt).manhattanLength() >= QApplication::startDragDistance()) {
            m_pressed = false;
            startDrag();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void CardTransfer::startDrag()
{
    QMimeData *data = selectedCardData(true);
    if (!data)
        return;
    auto *drag = new QDrag(m_list);
    drag->setMimeData(data);
    drag->setPixmap(m_deck->Picture());
    drag->setHotSpot(QPoint(m_deck->Picture().width() / 2, m_deck->Picture().height() / 2));
    drag->exec(Qt::CopyAction);
}

#include "moc_CardTransfer.cpp"
