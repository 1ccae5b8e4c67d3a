#include "export/CardExport.h"

#include "export/AddFolder.h"
#include "export/FileReplacer.h"
#include "export/NativePath.h"
#include "core/CardEntry.h"
#include "cardface/Deck.h"
#include "core/ErrorReport.h"
#include "core/Failure.h"
#include "core/Guard.h"
#include "widgets/ListBox.h"
#include "core/NumberText.h"
#include "core/Platform.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>

QString CardExport::folderProblem(const QString &folderText)
{
    // Either would silently write into whatever the working directory is.
    if (folderText.trimmed().isEmpty())
        return QStringLiteral("No output folder is set. Type a folder into \"Save Results To This "
                              "Folder\" or choose one with the ... button.");
    if (!QDir::isAbsolutePath(QDir::fromNativeSeparators(folderText)))
        return QStringLiteral("The output folder \"%1\" is not a full path. Type the whole path "
                              "of the folder, or choose one with the ... button.")
            .arg(folderText);
    return QString();
}

QString CardExport::cardImagePath(const QString &folderText, const QString &entryText, ImageFormat format)
{
    return cardFilePath(folderText, entryText,
                        format == ImageFormat::Png ? QStringLiteral("png") : QStringLiteral("bmp"));
}

QString CardExport::cardFilePath(const QString &folderText, const QString &entryText, const QString &extension)
{
    const QString problem = folderProblem(folderText);
    if (!problem.isEmpty())
        throw Failure(problem);
    // The folder as the system reads the text, so "\\?\C:\Cards\" or a final
    // blank on Windows mean what they mean in any other program; the field and
    // the stored value keep what was typed. Without its final separator it is
    // still that folder: the file goes inside it, not beside it under a name
    // that starts with it.
    QString path = NativePath::folder(folderText);
    if (!AddFolder::endsWithSeparator(path))
        path += AddFolder::separator();
    return path + entryText + QLatin1Char('.') + extension;
}

QImage CardExport::bitmapFace(const QPixmap &face)
{
    // A bitmap has no transparency: the rounded corners come out white, as the
    // card would look on paper, rather than black.
    QImage image(face.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.drawPixmap(0, 0, face);
    }
    return image;
}

Failure CardExport::writeFailure(const QString &path, const QString &reason)
{
    return Failure(QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), reason));
}

void CardExport::saveBitmap(const QPixmap &face, const QString &path, ImageFormat format,
                            FileReplacer::Batch *batch)
{
    const QString shown = QDir::toNativeSeparators(path);
    if (face.isNull())
        throw Failure(QStringLiteral("No card face to save as %1").arg(shown));

    const bool png = format == ImageFormat::Png;
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!(png ? face.toImage() : bitmapFace(face)).save(&buffer, png ? "PNG" : "BMP"))
            throw Failure(QStringLiteral("Cannot write %1: the picture could not be encoded").arg(shown));
    }
    const QString problem = batch ? batch->add(path, bytes) : FileReplacer::replace(path, bytes);
    if (!problem.isEmpty())
        throw writeFailure(path, problem);
}

QString CardExport::entryText(int index) const
{
    const QListWidgetItem *item = m_list->item(index);
    if (!item)
        throw Failure(QStringLiteral("Subscript out of range"));
    return item->text();
}

CardExport::CardExport(ListBox *list, QLineEdit *folder, Deck *deck, QObject *parent)
    : QObject(parent), m_list(list), m_folder(folder), m_deck(deck)
{
}

void CardExport::PushButton1_Click()
{
    Guard guard(ErrorReport::location("PushButton1_Click"));
    qint16 remembered = -1;
    int count = 0;
    int saved = 0;

    guard(106, [&] { remembered = NumberText::toInt16(double(selectedRow())); });

    // One clear message instead of a report per card, and nothing written
    // into whatever the working directory happens to be.
    const QString problem = folderProblem(m_folder->text());
    if (m_list->count() > 0 && !problem.isEmpty()) {
        Platform::current().message(problem, applicationTitle(), Platform::Icon::Warning);
        return;
    }

    // The files take their names together at the end, after one flush of the
    // disk for all of them.
    FileReplacer::Batch batch;
    // A failed loop start still runs the body once.
    bool forcePass = !guard(108, [&] { count = m_list->count(); });
    for (int index = 0; forcePass || index < count; ++index) {
        forcePass = false;
        QStringList words;
        guard(110, [&] { words = NumberText::splitAtBlanks(entryText(index)); });
        // Without this entry's face in the control, saving would write another
        // card's face under this card's name: skip the entry instead.
        const bool faceSet = guard(112, [&] {
            m_deck->setChangeCard(CardEntry::cardIndex(words));
        });
        if (faceSet && guard(114, [&] {
                saveBitmap(m_deck->Picture(), cardImagePath(m_folder->text(), entryText(index)),
                           ImageFormat::Bmp, &batch);
            }))
            ++saved;
        if (!guard(116, [] {}))
            break;
    }
    // A file found unwritable only by the flush is reported as any other, after them.
    for (const FileReplacer::Batch::Failed &failed : batch.commit()) {
        guard(114, [&] { throw writeFailure(failed.path, failed.reason); });
        --saved;
    }

    guard(118, [&] { m_list->setListIndex(remembered); });

    // "Done." only when every file is there; anything else says how far it got.
    if (saved == count) {
        guard(120, [] {
            Platform::current().message(QStringLiteral("Done."), applicationTitle(), Platform::Icon::None);
        });
    } else {
        guard(120, [&] {
            Platform::current().message(
                QStringLiteral("Saved %1 of %2 cards. The others could not be written; "
                               "the messages before this one say why.")
                    .arg(saved)
                    .arg(count),
                applicationTitle(), Platform::Icon::Warning);
        });
    }
}

int CardExport::selectedRow() const
{
    // The window shows nothing selected for an entry that is only current,
    // and neither may the saves.
    return m_list->selectedRow();
}

void CardExport::PushButton3_Click()
{
    Guard guard(ErrorReport::location("PushButton3_Click"));
    int row = -1;

    if (guard.test(100, [&] { row = selectedRow(); return row < 0; })) {
        guard(112, [] {
            Platform::current().message(QStringLiteral("No card selected."), applicationTitle(),
                                        Platform::Icon::None);
        });
        return;
    }
    // A mistyped folder is the user's to fix, not a fault to report: the same
    // plain warning as save-all gives.
    const QString problem = folderProblem(m_folder->text());
    if (!problem.isEmpty()) {
        Platform::current().message(problem, applicationTitle(), Platform::Icon::Warning);
        return;
    }
    const bool written = guard(108, [&] {
        saveBitmap(m_deck->Picture(), cardImagePath(m_folder->text(), entryText(row)));
    });
    // A file that could not be written has had its report; "Done." would be a lie.
    if (written)
        guard(110, [] {
            Platform::current().message(QStringLiteral("Done."), applicationTitle(), Platform::Icon::None);
        });
}

