#include "export/SaveRefusal.h"

#include <QCoreApplication>

#ifdef Q_OS_WIN
#include <QDir>
#include <QFileInfo>
#include <string>
#include <windows.h>
#endif

namespace SaveRefusal {

#ifdef Q_OS_WIN

namespace {

// The system's words for a code of its own, as Qt reports them.
QString systemText(DWORD code)
{
    wchar_t *text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPWSTR>(&text),
                   0, nullptr);
    QString result = QString::fromWCharArray(text ? text : L"");
    LocalFree(text);
    return result.trimmed();
}

QString forCode(DWORD code)
{
    switch (code) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return QCoreApplication::translate("SaveRefusal", "The file is open in another program.");
    case ERROR_ACCESS_DENIED:
        return QCoreApplication::translate("SaveRefusal", "Windows does not let you write in this folder.");
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return QCoreApplication::translate("SaveRefusal", "The folder does not exist.");
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return QCoreApplication::translate("SaveRefusal", "The disk is full.");
    case ERROR_WRITE_PROTECT:
        return QCoreApplication::translate("SaveRefusal", "The disk is write-protected.");
    case ERROR_NOT_READY:
        return QCoreApplication::translate("SaveRefusal", "The drive is not ready.");
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_DIRECTORY:
        return QCoreApplication::translate("SaveRefusal", "Windows does not allow this name.");
    case ERROR_FILENAME_EXCED_RANGE:
        return QCoreApplication::translate("SaveRefusal", "The path is too long.");
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_NETNAME_DELETED:
    case ERROR_UNEXP_NET_ERR:
        return QCoreApplication::translate("SaveRefusal", "The network folder cannot be reached.");
    default:
        return QString();
    }
}

} // namespace

QString inPlainWords(const QString &path, const QString &reported)
{
    // First, before any call of ours replaces it: the failed call's code.
    const DWORD code = GetLastError();
    const QString native = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    const DWORD attributes = GetFileAttributesW(native.toStdWString().c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY)
            return QCoreApplication::translate("SaveRefusal", "A folder of that name is in the way.");
        if (attributes & FILE_ATTRIBUTE_READONLY)
            return QCoreApplication::translate("SaveRefusal", "The file is read-only.");
        // Any other program's open handle refuses a handle that shares nothing.
        const HANDLE probe = CreateFileW(native.toStdWString().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                         FILE_ATTRIBUTE_NORMAL, nullptr);
        if (probe != INVALID_HANDLE_VALUE)
            CloseHandle(probe);
        else if (GetLastError() == ERROR_SHARING_VIOLATION || GetLastError() == ERROR_LOCK_VIOLATION)
            return forCode(ERROR_SHARING_VIOLATION);
    } else {
        const QString folder = QDir::toNativeSeparators(QFileInfo(native).absolutePath());
        const DWORD folderAttributes = GetFileAttributesW(folder.toStdWString().c_str());
        if (folderAttributes == INVALID_FILE_ATTRIBUTES
            && (GetLastError() == ERROR_FILE_NOT_FOUND || GetLastError() == ERROR_PATH_NOT_FOUND))
            return forCode(ERROR_PATH_NOT_FOUND);
        if (folderAttributes != INVALID_FILE_ATTRIBUTES && !(folderAttributes & FILE_ATTRIBUTE_DIRECTORY))
            return QCoreApplication::translate("SaveRefusal", "The folder is a file.");
    }
    // Qt refuses a colon past the drive itself, before any system call, in
    // words of its own; the code is then an older call's and says nothing.
    if (reported != systemText(code))
        return native.indexOf(u':', 2) >= 0 ? QCoreApplication::translate("SaveRefusal", "Windows does not allow a colon (:) in a name.")
                                             : reported;
    const QString plain = forCode(code);
    return plain.isEmpty() ? reported : plain;
}

#else

QString inPlainWords(const QString &, const QString &reported)
{
    return reported;
}

#endif

} // namespace SaveRefusal
