#include "app/CardTransfer.h"

#include "cardface/Deck.h"
#include "core/CardEntry.h"
#include "core/Failure.h"
#include "core/ListBox.h"
#include "core/Platform.h"
#include "export/CardExport.h"

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
#include <QTemporaryDir>
#include <QUrl>

namespace {

const QString pngFilter = QStringLiteral("PNG image (*.png)");
const QString bmpFilter = QStringLiteral("Windows bitmap (*.bmp)");

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
    m_openFolder = addAction(QStringLiteral("Open Output Folder"));
    connect(m_copyImage, &QAction::triggered, this, &CardTransfer::copyCardImage);
    connect(m_copyAll, &QAction::triggered, this, &CardTransfer::copyDrawnCards);
    connect(m_saveAs, &QAction::triggered, this, &CardTransfer::saveCardAs);
    connect(m_openFolder, &QAction::triggered, this, &CardTransfer::openOutputFolder);

    for (QWidget *widget : {static_cast<QWidget *>(list), static_cast<QWidget *>(preview)}) {
        widget->setContextMenuPolicy(Qt::ActionsContextMenu);
        widget->addActions({m_copyImage, m_copyAll, m_saveAs, m_openFolder});
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
    m_copyAll->setEnabled(m_list && m_list->count() > 0);
}

QString CardTransfer::entryWithName(const QString &entryText)
{
    const std::optional<int> card = CardEntry::cardOf(entryText);
    return card ? entryText + QStringLiteral(" (") + CardEntry::cardName(*card) + QLatin1Char(')') : entryText;
}

bool CardTransfer::selectedCard(QString *entryText, QPixmap *face)
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

void CardTransfer::copyDrawnCards()
{
    if (!m_list || m_list->count() == 0)
        return;
    QStringList lines;
    for (int row = 0; row < m_list->count(); ++row)
        lines.append(entryWithName(m_list->item(row)->text()));
    QGuiApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
}

void CardTransfer::saveCardAs()
{
    QString entry;
    QPixmap face;
    if (!selectedCard(&entry, &face))
        return;
    const QString folderText = m_folder ? m_folder->text() : QString();
    QString suggested = entry + QStringLiteral(".png");
    if (CardExport::folderProblem(folderText).isEmpty())
        suggested = CardExport::cardImagePath(folderText, entry, CardExport::ImageFormat::Png);
    QString filter = pngFilter;
    QString path;
    CardExport::ImageFormat format = CardExport::ImageFormat::Png;
    for (;;) {
        if (!m_list)
            return; // the window went while a box was open
        path = Platform::current().saveFileName(m_list->window(), QStringLiteral("Save Card As"), suggested,
                                                pngFilter + QStringLiteral(";;") + bmpFilter, &filter);
        if (path.isEmpty())
            return;
        // The name's own extension decides; without one, the chosen filter does.
        const QString suffix = QFileInfo(path).suffix().toLower();
        if (suffix == QLatin1String("bmp") || suffix == QLatin1String("png")) {
            format = suffix == QLatin1String("bmp") ? CardExport::ImageFormat::Bmp : CardExport::ImageFormat::Png;
            break; // the dialog has asked about replacing this very name
        }
        format = filter == bmpFilter ? CardExport::ImageFormat::Bmp : CardExport::ImageFormat::Png;
        path += format == CardExport::ImageFormat::Bmp ? QStringLiteral(".bmp") : QStringLiteral(".png");
        // The dialog asked about the name as typed, not about the one the
        // extension makes: ask as it would, and on No let the user choose again.
        const QFileInfo target(path);
        if ((!target.exists() && !target.isSymLink())
            || Platform::current().question(
                QStringLiteral("%1 already exists.\nDo you want to replace it?")
                    .arg(QDir::toNativeSeparators(path)),
                QStringLiteral("Save Card As")))
            break;
        suggested = path;
    }
    try {
        CardExport::saveBitmap(face, path, format);
    } catch (const Failure &failure) {
        Platform::current().message(failure.description(), applicationTitle(), Platform::Icon::Warning);
    }
}

void CardTransfer::openOutputFolder()
{
    const QString folderText = m_folder ? m_folder->text() : QString();
    const QString problem = CardExport::folderProblem(folderText);
    if (!problem.isEmpty()) {
        Platform::current().message(problem, applicationTitle(), Platform::Icon::Warning);
        return;
    }
    const QFileInfo folder(QDir::fromNativeSeparators(folderText));
    if (!folder.isDir()) {
        Platform::current().message(
            QStringLiteral("The output folder \"%1\" does not exist. Type an existing folder into \"Save "
                           "Results To This Folder\" or choose one with the ... button.")
                .arg(folderText),
            applicationTitle(), Platform::Icon::Warning);
        return;
    }
    Platform::current().openUrl(QUrl::fromLocalFile(QDir::cleanPath(folder.absoluteFilePath())));
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
