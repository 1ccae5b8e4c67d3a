#include "app/MainModule.h"

#include "core/Platform.h"
#include "core/RandomSource.h"
#include "core/SettingsStore.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace Main {

void CenterForm(QWidget *form)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize outer = form->frameGeometry().size();
    form->move(area.x() + (area.width() - outer.width()) / 2,
               area.y() + (area.height() - outer.height()) / 2);
}

bool FileExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && info.lastModified().isValid();
}

QSignalBlocker QuietIfCut(QLineEdit *field, const QString &stored)
{
    return QSignalBlocker(stored.size() > field->maxLength() ? field : nullptr);
}

int MaybeOpenHomePage(RandomSource &random)
{
    random.reseed(Platform::current().secondsSinceMidnight());
    const float r = random.nextSingle();
    const int n = int(std::floor(double(r) * 100.0)) + 1;
    if (n == 7)
        Platform::current().openUrl(homePage);
    return n;
}

void SaveFormPosition(QWidget *form, SettingsStore &store)
{
    const auto isNormal = [form] {
        return !(form->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    };
    const QRect frame = form->frameGeometry();
    // A Wayland client is never told where its window is (Qt answers 0,0):
    // the last known position stays rather than a made-up one.
    const bool positionKnown = !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    const struct {
        const char *key;
        int pixels;
        bool known;
    } values[] = {
        {"Left", frame.x(), positionKnown}, {"Top", frame.y(), positionKnown},
        {"Width", frame.width(), true},     {"Height", frame.height(), true},
    };
    for (const auto &value : values) {
        if (isNormal() && value.known)
            store.set(QLatin1String(value.key), QString::number(value.pixels * twipsPerPixel));
    }
}

} // namespace Main
