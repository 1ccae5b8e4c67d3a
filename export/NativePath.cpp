#include "export/NativePath.h"

#include <QDir>

#ifdef Q_OS_WIN
#include <string>
#include <windows.h>
#endif

namespace NativePath {

QString folder(const QString &typed)
{
    if (typed.isEmpty())
        return typed;
#ifdef Q_OS_WIN
    QString path = QDir::toNativeSeparators(typed);
    if (path.startsWith(QLatin1String("\\\\?\\UNC\\"), Qt::CaseInsensitive))
        path = QLatin1String("\\\\") + path.mid(8);
    else if (path.startsWith(QLatin1String("\\\\?\\")))
        path = path.mid(4);
    // Windows' own reading, rather than Qt's, which keeps a final blank so
    // that a name the file dialog cannot take stays invalid.
    const std::wstring in = path.toStdWString();
    std::wstring out(MAX_PATH, L'\0');
    DWORD length = GetFullPathNameW(in.c_str(), DWORD(out.size()), out.data(), nullptr);
    if (length >= out.size()) { // too small: the length asked for counts the final null
        out.resize(length);
        length = GetFullPathNameW(in.c_str(), DWORD(out.size()), out.data(), nullptr);
    }
    if (length == 0 || length >= out.size())
        return path; // the save then names the system's reason for this text
    out.resize(length);
    return QString::fromStdWString(out);
#else
    return QDir::isAbsolutePath(typed) ? typed : QDir::current().absoluteFilePath(typed);
#endif
}

} // namespace NativePath
