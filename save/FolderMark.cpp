#include "save/FolderMark.h"

#include "core/Background.h"
#include "export/NativePath.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QStyle>

FolderMark::FolderMark(QLineEdit *field, QObject *parent) : QObject(parent), m_field(field)
{
    m_action = new QAction(field->style()->standardIcon(QStyle::SP_MessageBoxWarning), missingText(), this);
    m_action->setToolTip(missingText());
    // Checked from the first text the window fills in: until an answer is in,
    // the field shows no mark rather than a wrong one.
    connect(field, &QLineEdit::textChanged, this, &FolderMark::textChanged);
}

FolderMark::~FolderMark() = default;

bool FolderMark::isShown() const
{
    return m_field && m_field->actions().contains(m_action);
}

void FolderMark::textChanged()
{
    if (m_checking) {
        m_recheck = true;
        return;
    }
    startProbe();
}

void FolderMark::startProbe()
{
    if (!m_field)
        return;
    const QString text = m_field->text();
    // Not a full path: saves would land wherever the program was started.
    if (!QDir::isAbsolutePath(text)) {
        show(true);
        return;
    }
    m_checking = true;
    const QString path = NativePath::folder(text); // as the saves will read it
    const QFuture<bool> check =
        Background::run(Background::Policy::Unwaited, [path] { return QFileInfo(path).isDir(); });
    Background::deliver(check, this, [this](int, bool exists) { answered(exists); });
}

void FolderMark::answered(bool exists)
{
    m_checking = false;
    if (m_recheck) {
        m_recheck = false;
        startProbe();
        return;
    }
    show(!exists);
}

void FolderMark::show(bool missing)
{
    if (!m_field || missing == isShown())
        return;
    if (missing) {
        m_description = m_field->accessibleDescription();
        m_toolTip = m_field->toolTip();
        m_field->addAction(m_action, QLineEdit::TrailingPosition);
        m_field->setToolTip(missingText());
        m_field->setAccessibleDescription(missingText() + QStringLiteral(". ") + m_description);
    } else {
        m_field->removeAction(m_action);
        m_field->setToolTip(m_toolTip);
        m_field->setAccessibleDescription(m_description);
    }
}

