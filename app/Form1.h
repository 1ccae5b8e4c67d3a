#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class Form1;
}
class CardDraw;
class CardExport;
class CardPreview;
class Deck;
class CountEntry;
class OutputFolder;
class RandomSource;
class SettingsStore;
class WindowPointer;

// The program's one window. It builds the controls, creates one object per
// subsystem with just the controls that subsystem uses, and wires each
// control's signal to the handler its subsystem owns.
class Form1 : public QWidget
{
    Q_OBJECT
public:
    Form1(SettingsStore &store, RandomSource &random, QWidget *parent = nullptr);
    ~Form1() override;

    // Start-up, before the window is first shown.
    void Form_Load();

    Ui::Form1 &controls() { return *ui; }
    WindowPointer &pointer() { return *m_pointer; }
    CardDraw &draw() { return *m_draw; }
    OutputFolder &outputFolder() { return *m_folder; }
    CardExport &exporter() { return *m_export; }
    Deck *Deck1() const { return m_deck; }

    // The four sizes of the program's icon, decoded when a size is first asked for.
    static QIcon applicationIcon();

    // The folder the program file lies in; the optional files live there.
    static QString programFolder();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Unload();
    void applyLook();

    // Appearance (Form1Appearance.cpp): the optional skin beside the program,
    // the optional hand pointer, and the pointer rules on mouse moves.
    void ApplySkin();
    void loadHandPointer();
    void setUpPointerRules();
    static QString appearanceFolder();

    // Keyboard and assistive technology (Form1Keyboard.cpp): Enter on the
    // buttons and fields, the names and descriptions of the controls.
    void setUpKeyboard();
    void describeControls();

    class PointerRules *m_rules = nullptr;
    class SkinFramework *m_skin = nullptr;

public:
    // The skin layer SkinFramework1 (made on first use, owned by the window)
    // and the pointer rules, for tests and tools that watch them.
    SkinFramework &skinFramework();
    PointerRules &pointerRules() { return *m_rules; }
    // Tests run in parallel from one build folder and cannot put the optional
    // files beside the shared binary; this points the skin and hand pointer
    // look-up at a folder of their own. An empty text restores the program's.
    static void setProgramFolderForTesting(const QString &folder);

private:

    std::unique_ptr<Ui::Form1> ui;
    SettingsStore &m_store;
    RandomSource &m_random;
    std::unique_ptr<WindowPointer> m_pointer;
    CardDraw *m_draw = nullptr;
    CountEntry *m_count = nullptr;
    OutputFolder *m_folder = nullptr;
    Deck *m_deck = nullptr;
    CardPreview *m_preview = nullptr;
    CardExport *m_export = nullptr;
};
