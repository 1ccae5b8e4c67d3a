#include "save/SaveAs.h"

#include "core/Messages.h"
#include "core/Failure.h"
#include "core/Platform.h"
#include "export/CardPaths.h"
#include "export/CardFile.h"
#include "export/NativePath.h"
#include "render/CardRenderer.h"
#include "render/CardSheet.h"
#include "save/ProgressWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QPointer>
#include <QUrl>
#include <QWidget>

#include <functional>

namespace {

// One file type of Save Card As: its filter text, format and, for a PNG, width.
struct SaveChoice {
    QString filter;
    CardFile::Format format;
    int width;
};

QString pngChoice(const QString &what, int width)
{
    return QCoreApplication::translate("SaveAs", "PNG image, %1%2 x %3 (*.png)")
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
            {pngChoice(QCoreApplication::translate("SaveAs", "twice the size, "), 2 * own), CardFile::Format::Png, 2 * own},
            {pngChoice(QCoreApplication::translate("SaveAs", "four times the size, "), 4 * own), CardFile::Format::Png, 4 * own},
        };
        for (int dpi : {300, 600}) {
            const int width = CardFile::widthAtDpi(dpi);
            list.append({pngChoice(QCoreApplication::translate("SaveAs", "for print at %1 dpi, 63 mm wide, ").arg(dpi), width),
                         CardFile::Format::Png, width});
        }
        list.append({QCoreApplication::translate("SaveAs", "SVG drawing, any size (*.svg)"), CardFile::Format::Svg, 0});
        list.append({QCoreApplication::translate("SaveAs", "PDF document, the card at 63 mm (*.pdf)"), CardFile::Format::Pdf, 0});
        list.append({QCoreApplication::translate("SaveAs", "Windows bitmap (*.bmp)"), CardFile::Format::Bmp, own});
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
            QCoreApplication::translate("SaveAs", "%1 already exists.\nDo you want to replace it?").arg(QDir::toNativeSeparators(path)),
            caption);
}

QString pdfFilter() { return QCoreApplication::translate("SaveAs", "PDF document (*.pdf)"); }

// The name offered first: in the output folder where it is usable, else bare.
QString suggestedPath(const QString &folderText, const QString &name, CardFile::Format format)
{
    return CardPaths::folderProblem(folderText).isEmpty() ? CardFile::path(folderText, name, format)
                                                           : name + u'.' + CardFile::extension(format);
}

// Asks until the user gives a name or cancels (empty then, as when the window
// went while a box was open). completed() returns the name to write, given
// the chosen filter: the same name when it has an extension of its own,
// whose replacing the dialog has asked about; else with one added, whose
// replacing is asked here; on No the user chooses again.
QString askFileName(QWidget *owner, const QString &caption, QString suggested, const QStringList &filters,
                    QString *filter, const std::function<QString(const QString &)> &completed)
{
    const QPointer<QWidget> window(owner);
    for (;;) {
        if (!window)
            return QString();
        const QString typed = Platform::current().saveFileName(window, caption, suggested,
                                                               filters.join(QStringLiteral(";;")), filter);
        if (typed.isEmpty())
            return QString();
        const QString path = completed(typed);
        if (path == typed || mayReplace(path, caption))
            return path;
        suggested = path;
    }
}

void reportFailure(const std::function<void()> &save)
{
    try {
        save();
    } catch (const Failure &failure) {
        Platform::current().message(failure.description(), applicationTitle(), Platform::Icon::Warning);
    }
}

} // namespace

namespace SaveAs {

void card(QWidget *owner, const QString &folderText, const QString &entry, const QPixmap &face, int faceIndex,
          QString *lastFilter)
{
    const QList<SaveChoice> &choices = saveChoices();
    QStringList filters;
    for (const SaveChoice &choice : choices)
        filters.append(choice.filter);
    const auto choiceOf = [&choices](const QString &filter) {
        return std::find_if(choices.begin(), choices.end(),
                            [&filter](const SaveChoice &c) { return c.filter == filter; });
    };
    auto chosen = choiceOf(*lastFilter);
    if (chosen == choices.end())
        chosen = choices.begin();
    QString filter = chosen->filter;
    CardFile::Format format = CardFile::Format::Png;
    const QString suggested = suggestedPath(folderText, entry, chosen->format);
    const QString path = askFileName(owner, QCoreApplication::translate("SaveAs", "Save Card As"), suggested, filters, &filter,
                                     [&](const QString &typed) {
        chosen = choiceOf(filter);
        if (chosen != choices.end())
            *lastFilter = chosen->filter;
        // The name's own extension decides the format; without one, the
        // chosen file type does.
        if (const std::optional<CardFile::Format> named = CardFile::formatNamed(QFileInfo(typed).suffix())) {
            format = *named;
            return typed;
        }
        format = chosen != choices.end() ? chosen->format : CardFile::Format::Png;
        return typed + u'.' + CardFile::extension(format);
    });
    if (path.isEmpty())
        return;
    // A PNG takes the chosen size when a PNG size was chosen.
    const bool pngChosen = chosen != choices.end() && chosen->format == CardFile::Format::Png;
    const int width = format == CardFile::Format::Png && pngChosen ? chosen->width : CardFile::PictureWidth;
    reportFailure([&] { CardFile::save(face, faceIndex, path, format, width); });
}

void cardsAsPdf(QWidget *owner, const QString &folderText, const QString &caption, const QString &name,
                const QList<CardArt> &cards, PrintOptions options, const QString &title)
{
    options.paper = CardSheet::localePaper();
    QString filter = pdfFilter();
    const QString path = askFileName(owner, caption, pdfPath(folderText, name),
                                     {pdfFilter()}, &filter, [](const QString &typed) {
        return QFileInfo(typed).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0
            ? typed
            : typed + QStringLiteral(".pdf");
    });
    if (path.isEmpty())
        return;
    ProgressWindow window(owner, QCoreApplication::translate("SaveAs", "Exporting %1\u2026")
                                     .arg(QDir::toNativeSeparators(QFileInfo(path).fileName())));
    reportFailure([&] {
        // The document is made whole in memory and only then takes the name:
        // a cancel leaves the file as it was.
        const QByteArray bytes = CardFile::pdf(cards, options, title, window.progress());
        if (window.cancelled()) {
            Platform::current().message(Messages::exportCancelled(), applicationTitle(),
                                        Platform::Icon::None);
            return;
        }
        if (bytes.isEmpty())
            throw CardPaths::writeFailure(path, Messages::documentNotMade());
        CardFile::write(path, bytes);
    });
}

QString pdfPath(const QString &folderText, const QString &name)
{
    return suggestedPath(folderText, name, CardFile::Format::Pdf);
}

void openOutputFolder(const QString &folderText)
{
    const QString problem = CardPaths::folderProblem(folderText);
    if (!problem.isEmpty()) {
        Platform::current().message(problem, applicationTitle(), Platform::Icon::Warning);
        return;
    }
    const QFileInfo folder(NativePath::folder(folderText)); // as the saves read it
    if (!folder.isDir()) {
        Platform::current().message(
            Messages::folderMissing(folderText),
            applicationTitle(), Platform::Icon::Warning);
        return;
    }
    const QString path = QDir::cleanPath(folder.absoluteFilePath());
    // Without a file manager (or xdg-open) nothing happens at all: say so.
    if (!Platform::current().openUrl(QUrl::fromLocalFile(path)))
        Platform::current().message(
            Messages::noFileManager(QDir::toNativeSeparators(path)),
            applicationTitle(), Platform::Icon::Warning);
}

} // namespace SaveAs
