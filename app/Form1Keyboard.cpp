#include "app/Form1.h"
#include "ui_Form1.h"

#include <QApplication>
#include <QKeyEvent>

namespace {

bool isEnter(const QKeyEvent *key)
{
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

void Form1::setUpKeyboard()
{
    // Outside a dialog Qt's buttons take only Space; on the desktop the program
    // comes from, Enter presses the focused button too.
    for (QPushButton *button : {ui->PushButton1, ui->PushButton2, ui->PushButton3, ui->PushButton9})
        button->installEventFilter(this);
    // Enter in the count field belongs to CountEntry; in the folder field it
    // goes on to the next control, as Tab does.
    ui->Text2->installEventFilter(this);

    // Qt marks the focused control only after a key has moved the focus, and
    // forgets that again (at the window's activation, after a click): here
    // the focused control is always marked, from the start.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && now->window() == this)
            setAttribute(Qt::WA_KeyboardFocusChange);
    });
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !isEnter(static_cast<QKeyEvent *>(event)))
        return QWidget::eventFilter(watched, event);
    const bool repeated = static_cast<QKeyEvent *>(event)->isAutoRepeat();
    if (auto *button = qobject_cast<QPushButton *>(watched)) {
        // A held key presses once, as a held Space does.
        if (!repeated && button->isEnabled())
            button->click();
        return true;
    }
    if (watched == ui->Text2) {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(ui->Text2, &tab);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::describeControls()
{
    // The frames' captions are what a sighted user reads above each field;
    // the descriptions add what the captions leave unsaid.
    ui->Text1->setAccessibleName(ui->Frame1->title());
    ui->Text1->setAccessibleDescription(tr("Number of cards to draw, 1 to 52"));
    ui->List1->setAccessibleName(tr("Drawn cards"));
    ui->List1->setAccessibleDescription(tr("Select a card to preview it"));
    ui->Text2->setAccessibleName(ui->Frame4->title());
    ui->Text2->setAccessibleDescription(tr("The folder the card images are saved into"));
    ui->PushButton9->setAccessibleName(tr("Choose output folder"));
    ui->PushButton9->setToolTip(ui->PushButton9->accessibleName());
    ui->ProgressBar1->setAccessibleName(tr("Draw progress"));
    ui->ProgressBar1->setAccessibleDescription(tr("How far the current draw has come"));
}
