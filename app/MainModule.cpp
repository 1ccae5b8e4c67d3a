#include "app/MainModule.h"

#include "core/Platform.h"
#include "core/RandomSource.h"
#include "core/SettingsStore.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace Main {

QPoint CentredFramePosition(const QRect &available, const QSize &frame)
{
    return {available.x() + std::max(0, (available.width() - frame.width()) / 2),
            available.y() + std::max(0, (available.height() - frame.height()) / 2)};
}

namespace {

// The frame around the window as the platform knows it now.
QMargins frameMargins(QWidget *form)
{
    const QWindow *window = form->windowHandle();
    return window ? window->frameMargins() : QMargins();
}

void placeFrame(QWidget *form, const QMargins &frame)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QPoint outer = CentredFramePosition(screen->availableGeometry(), form->size().grownBy(frame));
    // The window's own rectangle: move() on a window that exists reckons the
    // frame from what the widget last knew of it, which may be nothing yet.
    form->setGeometry(QRect(outer + QPoint(frame.left(), frame.top()), form->size()));
}

// An X11 window manager adds its frame only when it takes the window, after
// show(): once the window is first on screen, it is placed again if its frame
// turned out other than it was taken to be. Windows knows the frame as soon
// as the window exists, so nothing moves there.
class FramePlacer : public QObject
{
public:
    FramePlacer(QWidget *form, const QMargins &assumed) : QObject(form), m_form(form), m_assumed(assumed)
    {
        form->windowHandle()->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && !m_done && m_form->windowHandle()->isExposed()) {
            m_done = true;
            const QMargins frame = frameMargins(m_form);
            if (frame != m_assumed)
                placeFrame(m_form, frame);
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_form;
    QMargins m_assumed;
    bool m_done = false;
};

} // namespace

void CenterForm(QWidget *form)
{
    // The platform window first: before it exists no frame is known at all.
    form->winId();
    const QMargins frame = frameMargins(form);
    placeFrame(form, frame);
    new FramePlacer(form, frame);
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
