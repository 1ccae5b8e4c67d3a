#include "export/CardPaths.h"

#include "core/Failure.h"
#include "core/Messages.h"
#include "export/AddFolder.h"
#include "export/NativePath.h"

#include <QDir>

namespace CardPaths {

QString folderProblem(const QString &folderText)
{
    // Either would silently write into whatever the working directory is.
    if (folderText.trimmed().isEmpty())
        return Messages::noOutputFolder();
    if (!QDir::isAbsolutePath(QDir::fromNativeSeparators(folderText)))
        return Messages::folderNotFullPath(folderText);
    return QString();
}

QString cardFilePath(const QString &folderText, const QString &entryText, const QString &extension)
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

Failure writeFailure(const QString &path, const QString &reason)
{
    return Failure(Messages::cannotWrite(QDir::toNativeSeparators(path), reason), reason);
}

} // namespace CardPaths
