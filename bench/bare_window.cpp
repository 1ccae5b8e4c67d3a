// The floor for start-up time and memory: Velmora's window as its layout file
// describes it, with the same fixed size and fonts, but no subsystems behind
// the controls, no settings, no pictures.
#include "app/ShownProbe.h"
#include "ui_Form1.h"

#include <QApplication>
#include <QPushButton>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    Ui::Form1 ui;
    ui.setupUi(&window);

    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9);
    font.setWeight(QFont::Bold);
    window.setFixedSize(536, 479);
    window.setFont(font);
    font.setPointSizeF(11.25);
    for (QPushButton *button : {ui.PushButton1, ui.PushButton2, ui.PushButton3, ui.PushButton9})
        button->setFont(font);
    window.setWindowTitle(QStringLiteral("Velmora"));

    ShownProbe probe;
    if (qEnvironmentVariableIntValue("VELMORA_EXIT_WHEN_SHOWN") == 1)
        app.installEventFilter(&probe);
    window.show();
    return app.exec();
}
