#include "export/SaveAs.h"

#include "core/Failure.h"
#include "core/Platform.h"
#include "export/CardExport.h"
#include "export/CardFile.h"
#include "export/NativePath.h"
#include "render/CardRenderer.h"
#include "render/CardSheet.h"

#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QPointer>
#include <QUrl>
#include <QWidget>

namespace {

// One file type of Save Card As: its filter text, format and, for a PNG, width.
struct SaveChoice {
    QString filter;
    CardFile::Format format;
    int width;
};

QString pngChoice(const QString &what, int width)
{
    return QStringLiteral("PNG image, %1%2 x %3 (*.png)")
        .arg(what)
        .arg(width)
        .arg(CardRenderer::heightForWidth(width));
}

const QList<SaveChoice> &saveChoices()
{
    static const QList<SaveChoice> choices = [] {
        const int own = CardFile::PictureWidth;
        QList<SaveChoice> list{
            {pngChoice(QString(), own), CardFile::Format::Png, own},
            {pngChoice(QStringLiteral("twice the size, "), 2 * own), CardFile::Format::Png, 2 * own},
            {pngChoice(QStringLiteral("four times the size, "), 4 * own), CardFile::Format::Png, 4 * own},
        };
        for (int dpi : {300, 600})
            list.append({pngChoice(QStringLiteral("for print at %1 dpi, 63 mm wide, ").arg(dpi), CardFile::widthAtDpi(dpi)),
                         CardFile::Format::Png, CardFile::widthAtDpi(dpi)});
        list.append({QStringLiteral("SVG drawing, any size (*.svg)"), CardFile::Format::Svg, 0});
        list.append({QStringLiteral("PDF document, the card at 63 mm (*.pdf)"), CardFile::Format::Pdf, 0});
        list.append({QStringLiteral("Windows bitmap (*.bmp)"), CardFile::Format::Bmp, own});
        return list;
    }();
    return choices;
}

// The dialog asked about the name as typed, not about the one an added
// extension makes: ask as it would; on No the user chooses again.
bool mayReplace(const QString &path, const QString &caption)
{
    const QFileInfo target(path);
    return (!target.exists() && !target.isSymLink())
        || Platform::current().question(
            QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(QDir::toNativeSeparators(path)),
            caption);
}

QString sheetsFilter()
{
    const bool letter = CardSheet::localePaper().id() == QPageSize::Letter;
    return QStringLiteral("PDF, %1 sheets with cut marks (*.pdf)").arg(letter ? QStringLiteral("Letter") : QStringLiteral("A4"));
}

const QString cardPagesFilter = QStringLiteral("PDF, one card per page at card size (*.pdf)");

} // namespace

namespace SaveAs {

void card(QWidget *owner, const QString &folderText, const QString &entry, const QPixmap &face, int faceIndex,
          const QString &title, QString *lastFilter)
{
    const QPointer<QWidget> window(owner);
    const QList<SaveChoice> &choices = saveChoices();
    QStringList filters;
    for (const SaveChoice &choice : choices)
        filters.append(choice.filter);
    auto chosen = std::find_if(choices.begin(), choices.end(),
                               [lastFilter](const SaveChoice &c) { return c.filter == *lastFilter; });
    if (chosen == choices.end())
        chosen = choices.begin();
    QString suggested = entry + u'.' + CardFile::extension(chosen->format);
    if (CardExport::folderProblem(folderText).isEmpty())
        suggested = CardFile::path(folderText, entry, chosen->format);
    QString filter = chosen->filter;
    QString path;
    CardFile::Format format = CardFile::Format::Png;
    for (;;) {
        if (!window)
            return; // the window went while a box was open
        path = Platform::current().saveFileName(window, QStringLiteral("Save Card As"), suggested,
                                                filters.join(QStringLiteral(";;")), &filter);
        if (path.isEmpty())
            return;
        chosen = std::find_if(choices.begin(), choices.end(),
                              [&filter](const SaveChoice &c) { return c.filter == filter; });
        if (chosen != choices.end())
            *lastFilter = chosen->filter;
        // The name's own extension decides the format; without one, the
        // chosen file type does.
        if (const std::optional<CardFile::Format> named = CardFile::formatNamed(QFileInfo(path).suffix())) {
            format = *named;
            break; // the dialog has asked about replacing this very name
        }
        format = chosen != choices.end() ? chosen->format : CardFile::Format::Png;
        path += u'.' + CardFile::extension(format);
        if (mayReplace(path, QStringLiteral("Save Card As")))
            break;
        suggested = path;
    }
    // A PNG takes the chosen size when a PNG size was chosen.
    const bool pngChosen = chosen != choices.end() && chosen->format == CardFile::Format::Png;
    const int width = format == CardFile::Format::Png && pngChosen ? chosen->width : CardFile::PictureWidth;
    try {
        CardFile::save(face, faceIndex, path, format, width, title);
    } catch (const Failure &failure) {
        Platform::current().message(failure.description(), applicationTitle(), Platform::Icon::Warning);
    }
}

void drawnCardsAsPdf(QWidget *owner, const QString &folderText, const QList<int> &faces)
{
    const QPointer<QWidget> window(owner);
    const QString name = QStringLiteral("Cards");
    QString suggested = name + QStringLiteral(".pdf");
    if (CardExport::folderProblem(folderText).isEmpty())
        suggested = CardFile::path(folderText, name, CardFile::Format::Pdf);
    const QPageSize paper = CardSheet::localePaper();
    const QString caption = QStringLiteral("Export Drawn Cards as PDF");
    QString filter = sheetsFilter();
    QString path;
    for (;;) {
        if (!window)
            return; // the window went while a box was open
        path = Platform::current().saveFileName(window, caption, suggested,
                                                sheetsFilter() + QStringLiteral(";;") + cardPagesFilter, &filter);
        if (path.isEmpty())
            return;
        if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0)
            break;
        path += QStringLiteral(".pdf");
        if (mayReplace(path, caption))
            break;
        suggested = path;
    }
    const auto layout = filter == cardPagesFilter ? CardSheet::Layout::CardPerPage : CardSheet::Layout::Sheets;
    try {
        CardFile::savePdf(faces, path, layout, paper, QStringLiteral("Drawn cards"));
    } catch (const Failure &failure) {
        Platform::current().message(failure.description(), applicationTitle(), Platform::Icon::Warning);
    }
}

void openOutputFolder(const QString &folderText)
{
    const QString problem = CardExport::folderProblem(folderText);
    if (!problem.isEmpty()) {
        Platform::current().message(problem, applicationTitle(), Platform::Icon::Warning);
        return;
    }
    const QFileInfo folder(NativePath::folder(folderText)); // as the saves read it
    if (!folder.isDir()) {
        Platform::current().message(
            QStringLiteral("The output folder \"%1\" does not exist. Type an existing folder into \"Save "
                           "Results To This Folder\" or choose one with the ... button.")
                .arg(folderText),
            applicationTitle(), Platform::Icon::Warning);
        return;
    }
    const QString path = QDir::cleanPath(folder.absoluteFilePath());
    // Without a file manager (or xdg-open) nothing happens at all: say so.
    if (!Platform::current().openUrl(QUrl::fromLocalFile(path)))
        Platform::current().message(
            QStringLiteral("Velmora could not open the folder \"%1\": no file manager is set up to show it.")
                .arg(QDir::toNativeSeparators(path)),
            applicationTitle(), Platform::Icon::Warning);
}

} // namespace SaveAs
