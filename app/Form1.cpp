#include "app/Form1.h"
#include "ui_Form1.h"

#include "app/CardTransfer.h"
#include "app/IconFile.h"
#include "draw/CardDraw.h"
#include "save/CardExport.h"
#include "draw/CardPreview.h"
#include "cardface/Deck.h"
#include "draw/CountEntry.h"
#include "app/MainModule.h"
#include "core/Messages.h"
#include "save/FolderMark.h"
#include "save/OutputFolder.h"
#include "core/RandomSource.h"
#include "core/SettingsStore.h"
#include "widgets/WindowPointer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>

namespace {

QFont arialBold(double points)
{
    QFont font(QStringLiteral("Arial"));
#ifdef Q_OS_WIN
    // Where Arial is missing (a Windows without it, a fresh Wine prefix) Qt
    // for Windows would take the first face of the alphabet, a bold serif
    // one there, and the window looks broken at first sight. After Arial
    // come the face made to its metrics, so the fixed layout still fits, and
    // the face the desktop writes its messages in (Segoe UI on Windows 10).
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QApplication::font("QMessageBox").family()});
#endif
    // Elsewhere fontconfig answers for Arial itself, with the face made to
    // its metrics or else its own sans face; a list of families there would
    // only look up faces never used, a fifth of a millisecond of start-up.
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setWeight(QFont::Bold);
    return font;
}

} // namespace

Form1::Form1(SettingsStore &store, RandomSource &random, QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::Form1>()), m_store(store), m_random(random)
{
    // The window's face before its controls exist: each control starts with
    // it instead of every one of them being told of a change and laid out
    // again (a tenth of a millisecond or more of start-up).
    setFont(arialBold(9));
    ui->setupUi(this);
    // The folder field's caption is named in messages too: one text for both.
    ui->Frame4->setTitle(Messages::folderLabel());
    applyLook();

    // The card face control sits at its laid-out place over the count frame;
    // its tile is only the control's own icon and would cover the count
    // field, so it stays out of sight. It is created from the window's stored
    // description, which holds nothing but the back-0 picture.
    m_deck = new Deck(this);
    m_deck->setObjectName(QStringLiteral("Deck1"));
    m_deck->move(960 / Main::twipsPerPixel, 360 / Main::twipsPerPixel);
    m_deck->ReadProperties(Deck::form1StoredDescription());
    m_deck->hide();

    m_pointer = std::make_unique<WindowPointer>(this);
    m_draw = new CardDraw(ui->List1, ui->Text1, ui->ProgressBar1, *m_pointer, m_random, this);
    m_count = new CountEntry(ui->Text1, m_store, this);
    m_folder = new OutputFolder(ui->Text2, this, m_store, this);
    m_preview = new CardPreview(ui->List1, m_deck, ui->Image1, this);
    m_export = new CardExport(ui->List1, ui->Text2, m_deck, this);
    new CardTransfer(ui->List1, ui->Image1, m_deck, ui->Text2, &m_store, this); // copy, context menu, drag

    // A button pressed while the count field had the focus first settles the
    // count's check; after a refusal the click does not go through.
    const auto onClick = [this](QPushButton *button, auto *owner, auto handler) {
        connect(button, &QPushButton::clicked, owner, [this, owner, handler] {
            if (m_count->settlePendingCheck())
                (owner->*handler)();
        });
    };
    onClick(ui->PushButton2, m_draw, &CardDraw::PushButton2_Click);
    onClick(ui->PushButton9, m_folder, &OutputFolder::PushButton9_Click);
    onClick(ui->PushButton1, m_export, &CardExport::PushButton1_Click);
    onClick(ui->PushButton3, m_export, &CardExport::PushButton3_Click);
    // Enter in the count field is a press of the draw button; its count check
    // has run by then, as it has for a click that took the focus away.
    connect(m_count, &CountEntry::countConfirmed, m_draw, &CardDraw::PushButton2_Click);
    setUpPointerRules();
    setUpKeyboard();
    describeControls();
    // After the descriptions: the mark adds its note to the field's own.
    new FolderMark(ui->Text2, this);
}

Form1::~Form1() = default;

void Form1::applyLook()
{
    // A fixed border: no resize handle, and no maximise box that could do
    // nothing but fail to grow the window. Window managers read the missing
    // hint; Windows reads the fixed-size dialog hint.
    setFixedSize(536, 479);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    for (QPushButton *button : {ui->PushButton1, ui->PushButton2, ui->PushButton3, ui->PushButton9})
        button->setFont(arialBold(11.25));

    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    for (QGroupBox *frame : {ui->Frame1, ui->Frame2, ui->Frame3, ui->Frame4}) {
        frame->setPalette(white);
        frame->setAutoFillBackground(true);
    }
    ui->ProgressBar1->setRange(0, 100);
    ui->ProgressBar1->setValue(0);
    ui->ProgressBar1->setFormat(tr("Progress Bar"));
    ui->ProgressBar1->setTextVisible(true);
}

QIcon Form1::applicationIcon()
{
    return IconFile::load(QStringLiteral(":/app/velmora.ico"));
}

QString Form1::programFolder()
{
    return QCoreApplication::applicationDirPath();
}

void Form1::Form_Load()
{
    ApplySkin();
    Main::CenterForm(this);
    loadHandPointer();
    Main::MaybeOpenHomePage(m_random);
    setWindowTitle(QStringLiteral("Velmora"));
    // main() gives the application its icon before any window exists (its
    // dialogs use it too): the 350 KB file is decoded once, not again here.
    if (QGuiApplication::windowIcon().isNull())
        QGuiApplication::setWindowIcon(applicationIcon());
    setWindowIcon(QGuiApplication::windowIcon());
    const QString count = m_store.get(CountEntry::settingsKey(), QStringLiteral("52"));
    {
        const QSignalBlocker quiet = Main::QuietIfCut(ui->Text1, count);
        ui->Text1->setText(count);
    }
    const QSignalBlocker quiet = Main::QuietIfCut(ui->Text2, m_store.get(OutputFolder::settingsKey(), QString()));
    m_folder->load();
}

void Form1::Form_Unload()
{
    Main::SaveFormPosition(this, m_store);
    // Any draw waiting in its yield ends at its next step instead of touching a
    // window that is going away.
    m_draw->abortAll();
}

void Form1::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

