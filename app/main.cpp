#include "Form1.h"
#include "QtPlatform.h"
#include "RandomSource.h"
#include "SettingsStore.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setDesktopFileName(QStringLiteral("velmora"));

    QtPlatform platform;
    Platform::install(&platform);

    SettingsStore store;
    Form1 window(store, RandomSource::shared());
    window.Form_Load();
    window.show();
    return app.exec();
}
