#include "app/CardTransfer.h"

#include "save/PrintChoices.h"

#include "pictures/CardImageSet.h"
#include "cardface/Deck.h"
#include "core/CardEntry.h"
#include "core/Failure.h"
#include "core/XdgFolder.h"
#include "widgets/ListBox.h"
#include "core/Platform.h"
#include "export/BitmapFile.h"
#include "save/SaveAs.h"
#include "save/PrintOptionsDialog.h"
#include "save/ProgressWindow.h"
#include "core/Messages.h"
#include "export/DeckExport.h"
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
#include <QScopedValueRollback>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

namespace {

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
    // Each card's own picture, as a PNG of that width holds it: curves drawn
    // in place would round a pixel's edge differently at each offset.
    for (int i = 0; i < faces.size(); ++i)
        painter.drawImage(i * (width + gap), 0, CardRenderer::image(CardArt::face(faces.at(i)), width));
    return image;
}

} // namespace

CardTransfer::CardTransfer(ListBox *list, QLabel *preview, Deck *deck, QLineEdit *folder, SettingsStore *store,
                           QObject *parent)
    : QObject(parent), m_list(list), m_preview(preview), m_deck(deck), m_folder(folder), m_store(store)
{
    m_copyImage = addAction(tr("Copy Card Image"));
    // Every copy key of the platform (Ctrl+C, Ctrl+Insert, ...), and only
    // while the list has the focus: in the folder field they copy its text.
    m_copyImage->setShortcuts(QKeySequence::Copy);
    m_copyImage->setShortcutContext(Qt::WidgetShortcut);
    m_copyAll = addAction(tr("Copy Drawn Cards"));
    m_saveAs = addAction(tr("Save Card As\u2026"));
    m_exportPdf = addAction(tr("Export Drawn Cards as PDF\u2026"));
    m_exportDeck = addAction(tr("Export Whole Deck as PDF\u2026"));
    m_print = addAction(tr("Print Drawn Cards\u2026"));
    m_openFolder = addAction(tr("Open Output Folder"));
    connect(m_copyImage, &QAction::triggered, this, &CardTransfer::copyCardImage);
    connect(m_copyAll, &QAction::triggered, this, &CardTransfer::copyDrawnCards);
    connect(m_saveAs, &QAction::triggered, this, &CardTransfer::saveCardAs);
    connect(m_exportPdf, &QAction::triggered, this, &CardTransfer::exportDrawnCardsAsPdf);
    connect(m_exportDeck, &QAction::triggered, this, &CardTransfer::exportWholeDeckAsPdf);
    connect(m_print, &QAction::triggered, this, &CardTransfer::printDrawnCards);
    connect(m_openFolder, &QAction::triggered, this, &CardTransfer::openOutputFolder);

    for (QWidget *widget : {static_cast<QWidget *>(list), static_cast<QWidget *>(preview)}) {
        widget->setContextMenuPolicy(Qt::ActionsContextMenu);
        widget->addActions({m_copyImage, m_copyAll, m_saveAs, m_exportPdf, m_exportDeck, m_print, m_openFolder});
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
    data->setImageData(BitmapFile::opaqueFace(face));
    data->setText(entryWithName(entry));
    if (withFile) {
        try {
            const QString path = dragFilePath(entry + QStringLiteral(".png"));
            BitmapFile::save(face, path, CardFile::Format::Png);
            data->setUrls({QUrl::fromLocalFile(path)});
        } catch (const Failure &failure) {
            // The picture and the text still go; only a file manager gets nothing.
            qWarning("Velmora: the dragged card goes without its file: %s", qUtf8Printable(failure.description()));
            m_dragFileProblem = failure.description();
        }
    }
    return data;
}

QString CardTransfer::dragFolderBase()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // The shared temporary folder is anyone's, and TMPDIR may name the root
    // or nothing at all: the file goes to the session's private folder, else
    // to the user's cache.
    const QString runtime = xdgRuntimeFolder();
    if (!runtime.isEmpty())
        return runtime;
    const QString cache = xdgUserFolder("XDG_CACHE_HOME", ".cache", QStandardPaths::GenericCacheLocation);
    if (!makeUserFolder(cache))
        throw Failure(QStringLiteral("the cache folder %1 does not exist and cannot be made")
                          .arg(QDir::toNativeSeparators(cache)));
    return cache;
#else
    // Elsewhere the temporary folder is the user's own. One that does not
    // exist gives an empty path, and a folder made from that would land in
    // the root.
    const QString temp = QDir::tempPath();
    if (temp.isEmpty())
        throw Failure(QStringLiteral("the temporary folder does not exist"));
    return temp;
#endif
}

QString CardTransfer::dragFilePath(const QString &fileName)
{
    // Temp cleaners remove folders nobody has touched for a while: a folder
    // that is gone is made anew rather than written into as a path.
    if (m_dragFolder && !QFileInfo(m_dragFolder->path()).isDir())
        m_dragFolder.reset();
    if (!m_dragFolder) {
        const QString base = dragFolderBase();
        auto folder = std::make_unique<QTemporaryDir>(base + QStringLiteral("/velmora-drag-XXXXXX"));
        if (!folder->isValid())
            throw Failure(tr("no folder can be made in %1: %2")
                      .arg(QDir::toNativeSeparators(base), folder->errorString()));
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
        SaveAs::card(m_list->window(), m_folder ? m_folder->text() : QString(), entry, face, faceIndex, &m_saveFilter);
}

void CardTransfer::withOptions(int purpose, const std::function<void(const PrintChoices &)> &work)
{
    if (m_busy || !m_list)
        return;
    const PrintChoices last = m_store ? PrintChoices::load(*m_store) : PrintChoices{};
    auto *dialog = new PrintOptionsDialog(PrintOptionsDialog::Purpose(purpose), last, m_list->window());
    // The dialog goes only once the work is done: the work's progress runs
    // the event queue, which must not delete the dialog inside its own done().
    connect(dialog, &QDialog::finished, this, [this, dialog, work](int result) {
        if (result == QDialog::Accepted) {
            const PrintChoices chosen = dialog->choices();
            if (m_store)
                chosen.save(*m_store);
            if (!m_busy && m_list) {
                const QScopedValueRollback busy(m_busy, true);
                work(chosen);
            }
        }
        dialog->deleteLater();
    });
    dialog->open();
}

void CardTransfer::exportDrawnCardsAsPdf()
{
    const QList<CardArt> arts = CardArt::faces(listedFaces());
    if (arts.isEmpty())
        return;
    withOptions(int(PrintOptionsDialog::Purpose::DrawnPdf), [this, arts](const PrintChoices &chosen) {
        SaveAs::cardsAsPdf(m_list->window(), m_folder ? m_folder->text() : QString(),
                           tr("Export Drawn Cards as PDF"), QStringLiteral("Cards"), arts, chosen.print,
                           QStringLiteral("Drawn cards"));
    });
}

void CardTransfer::exportWholeDeckAsPdf()
{
    withOptions(int(PrintOptionsDialog::Purpose::DeckPdf), [this](const PrintChoices &chosen) {
        QList<CardArt> arts;
        for (const DeckExport::Card &card : DeckExport::wholeDeck(chosen.jokers))
            arts.append(card.art);
        SaveAs::cardsAsPdf(m_list->window(), m_folder ? m_folder->text() : QString(),
                           tr("Export Whole Deck as PDF"), QStringLiteral("Deck"), arts, chosen.print,
                           QStringLiteral("Whole deck"));
    });
}

void CardTransfer::printDrawnCards()
{
    const QList<CardArt> arts = CardArt::faces(listedFaces());
    if (arts.isEmpty())
        return;
    withOptions(int(PrintOptionsDialog::Purpose::Print), [this, arts](const PrintChoices &chosen) {
        QWidget *window = m_list->window();
        bool cancelled = false;
        // With no printer the pages go to a file, offered as the export offers it.
        const QString pdfPath = SaveAs::pdfPath(m_folder ? m_folder->text() : QString(), QStringLiteral("Cards"));
        const bool printed = Platform::current().print(window, tr("Print Drawn Cards"), pdfPath,
                                                       [&](QPainter &painter, QPagedPaintDevice &device) {
            // The preview draws the pages too, and may be cancelled alone.
            ProgressWindow progress(window, tr("Printing the cards\u2026"));
            CardSheet::paint(painter, device, arts, chosen.print, progress.progress());
            cancelled = progress.cancelled();
            return !cancelled;
        });
        if (printed && cancelled)
            Platform::current().message(Messages::printCancelled(), applicationTitle(), Platform::Icon::None);
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
    m_dragFileProblem.clear();
    QMimeData *data = selectedCardData(true);
    if (!data)
        return;
    auto *drag = new QDrag(m_list);
    drag->setMimeData(data);
    drag->setPixmap(m_deck->Picture());
    drag->setHotSpot(QPoint(m_deck->Picture().width() / 2, m_deck->Picture().height() / 2));
    drag->exec(Qt::CopyAction);
    // Told once the drop is over: a box in the middle of the drag would end it.
    if (!m_dragFileProblem.isEmpty())
        Platform::current().message(Messages::dragFileMissing(m_dragFileProblem), applicationTitle(),
                                    Platform::Icon::Warning);
}

