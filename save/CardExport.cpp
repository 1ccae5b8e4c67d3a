#include "save/CardExport.h"

#include "core/Messages.h"
#include "export/BitmapFile.h"
#include "export/CardPaths.h"
#include "export/FileReplacer.h"
#include "core/CardEntry.h"
#include "cardface/Deck.h"
#include "core/ErrorReport.h"
#include "core/Failure.h"
#include "core/Guard.h"
#include "widgets/ListBox.h"
#include "core/NumberText.h"
#include "core/Platform.h"

#include <QLineEdit>
#include <QPixmap>

QString CardExport::entryText(int index) const
{
    const QListWidgetItem *item = m_list->item(index);
    if (!item)
        throw Failure(Messages::subscriptOutOfRange());
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
    const QString problem = CardPaths::folderProblem(m_folder->text());
    if (m_list->count() > 0 && !problem.isEmpty()) {
        Platform::current().message(problem, applicationTitle(), Platform::Icon::Warning);
        return;
    }

    // The first failure's report offers to hold back the rest of this save's
    // reports (a missing share can fail all 52); held back, they are counted,
    // and the summary says how many and why.
    bool offered = false;
    bool together = false;
    QStringList reasons;
    guard.reportWith([&](const Failure &failure, int line) {
        if (!offered) {
            offered = true;
            together = ErrorReport::showWithOption(failure.description(), guard.location(), line,
                                                   Messages::reportTogether());
        } else if (!together) {
            ErrorReport::show(failure.description(), guard.location(), line);
        }
        QString reason = failure.reason();
        if (reason.endsWith(u'.'))
            reason.chop(1);
        if (together && !reasons.contains(reason))
            reasons.append(reason);
    });

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
                BitmapFile::save(m_deck->Picture(),
                                 CardFile::path(m_folder->text(), entryText(index), CardFile::Format::Bmp),
                                 CardFile::Format::Bmp, &batch);
            }))
            ++saved;
        if (!guard(116, [] {}))
            break;
    }
    // A file found unwritable only by the flush is reported as any other, after them.
    for (const FileReplacer::Batch::Failed &failed : batch.commit()) {
        guard(114, [&] { throw CardPaths::writeFailure(failed.path, failed.reason); });
        --saved;
    }

    guard.reportWith({});

    guard(118, [&] { m_list->setListIndex(remembered); });

    // "Done." only when every file is there; anything else says how far it got.
    if (saved == count) {
        guard(120, [] {
            Platform::current().message(Messages::done(), applicationTitle(), Platform::Icon::None);
        });
    } else {
        guard(120, [&] {
            Platform::current().message(
                together ? Messages::savedTogether(saved, count, reasons.join(QStringLiteral("; ")))
                         : Messages::savedSome(saved, count),
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
            Platform::current().message(Messages::noCardSelected(), applicationTitle(),
                                        Platform::Icon::None);
        });
        return;
    }
    // A mistyped folder is the user's to fix, not a fault to report: the same
    // plain warning as save-all gives.
    const QString problem = CardPaths::folderProblem(m_folder->text());
    if (!problem.isEmpty()) {
        Platform::current().message(problem, applicationTitle(), Platform::Icon::Warning);
        return;
    }
    const bool written = guard(108, [&] {
        BitmapFile::save(m_deck->Picture(),
                         CardFile::path(m_folder->text(), entryText(row), CardFile::Format::Bmp));
    });
    // A file that could not be written has had its report; "Done." would be a lie.
    if (written)
        guard(110, [] {
            Platform::current().message(Messages::done(), applicationTitle(), Platform::Icon::None);
        });
}

