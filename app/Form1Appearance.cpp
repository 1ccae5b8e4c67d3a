#include "app/Form1.h"
#include "ui_Form1.h"

#include "app/CursorFile.h"
#include "app/DataFiles.h"
#include "app/MainModule.h"
#include "app/PointerRules.h"
#include "app/SkinFramework.h"
#include "widgets/WindowPointer.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// Set only by tests; see Form1::setProgramFolderForTesting.
QString &folderForTesting()
{
    static QString folder;
    return folder;
}

// A plain file the user can see: a hidden or (on Windows) system file, a
// folder or a dangling link of that name is no skin.
bool isNormalFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.isHidden())
        return false;
#ifdef Q_OS_WIN
    // Qt knows the hidden attribute but not the system one.
    const DWORD attributes = GetFileAttributesW(reinterpret_cast<const wchar_t *>(
        QDir::toNativeSeparators(info.absoluteFilePath()).utf16()));
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_SYSTEM))
        return false;
#endif
    return true;
}

// The controls that carry the window's background in the layout: frames,
// option buttons, check boxes and caption labels. A label showing a picture
// (the preview Image1) has no background of its own and keeps its look.
bool takesWindowColour(const QWidget *widget, const QWidget *pictureLabel)
{
    if (widget == pictureLabel)
        return false;
    return qobject_cast<const QGroupBox *>(widget) || qobject_cast<const QRadioButton *>(widget)
        || qobject_cast<const QCheckBox *>(widget) || qobject_cast<const QLabel *>(widget);
}

void paintBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A test's folder stands alone, so files of an installed copy of the program
// (in the user's or the system's data folder) cannot leak into the tests.
QStringList lookupFolders(const QString &programFolder)
{
    if (!folderForTesting().isEmpty())
        return {programFolder};
    return DataFiles::searchFolders(programFolder);
}

} // namespace

void Form1::setProgramFolderForTesting(const QString &folder)
{
    folderForTesting() = folder;
}

QString Form1::appearanceFolder()
{
    return folderForTesting().isEmpty() ? programFolder() : folderForTesting();
}

SkinFramework &Form1::skinFramework()
{
    if (!m_skin) {
        m_skin = new SkinFramework(this);
        m_skin->setObjectName(QStringLiteral("SkinFramework1"));
    }
    return *m_skin;
}

void Form1::ApplySkin()
{
    const QString path = DataFiles::locate(QStringLiteral("x/o.cjs"), lookupFolders(appearanceFolder()), isNormalFile);
    if (path.isEmpty())
        return;

    // The skin is drawn against the system's button face, so the white of the
    // layout goes first, before the skin is loaded.
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    paintBackground(this, buttonFace);
    const auto widgets = findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (takesWindowColour(widget, ui->Image1))
            paintBackground(widget, buttonFace);
    }

    SkinFramework &skin = skinFramework();
    skin.LoadSkin(path, QString());
    skin.setApplyOptions(skin.ApplyOptions() | SkinFramework::optionFlag1);
    skin.setBooleanOption(SkinFramework::booleanOption5, true);
    skin.setBooleanOption(SkinFramework::booleanOption10, true);
    skin.ApplyWindow(this);
}

void Form1::loadHandPointer()
{
    const QString path =
        DataFiles::locate(QStringLiteral("HAND-M.CUR"), lookupFolders(appearanceFolder()), Main::FileExists);
    if (path.isEmpty())
        return;
    // A file of that name that is no readable cursor (cut short, a folder, some
    // other file) leaves the window without the hand, as if it were missing;
    // 99 then shows the system's pointing hand.
    if (const std::optional<QCursor> hand = CursorFile::load(path))
        m_pointer->setMouseIcon(*hand);
    else
        qWarning("%s is no readable cursor; using the system's pointing hand",
                 qUtf8Printable(QDir::toNativeSeparators(path)));
}

void Form1::setUpPointerRules()
{
    PointerRules::Areas areas;
    areas.window = this;
    areas.frame2 = ui->Frame2;
    areas.frame4 = ui->Frame4;
    areas.pushButton1 = ui->PushButton1;
    areas.pushButton2 = ui->PushButton2;
    areas.pushButton3 = ui->PushButton3;
    areas.pushButton9 = ui->PushButton9;
    m_rules = new PointerRules(*m_pointer, areas, this);
}
