#pragma once

#include "tests/support/FakePlatform.h"
#include "app/Form1.h"
#include "core/RandomSource.h"
#include "core/SettingsStore.h"

#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <memory>

// One started main window on the user's (redirected) settings store, with a
// recording platform installed for its whole life. Members are public so a
// test can script the platform or delete the window mid-draw.
class FormFixture
{
public:
    // Runs the start-up sequence; the window is not shown yet.
    FormFixture();
    ~FormFixture();

    FormFixture(const FormFixture &) = delete;
    FormFixture &operator=(const FormFixture &) = delete;

    Form1 &form() { return *window; }

    // The window's controls, found by their designer names as a user's
    // accessibility tool would.
    template<typename T>
    T *control(const char *name) const;
    QLineEdit *Text1() const { return control<QLineEdit>("Text1"); }
    QLineEdit *Text2() const { return control<QLineEdit>("Text2"); }
    QListWidget *List1() const { return control<QListWidget>("List1"); }
    QProgressBar *ProgressBar1() const { return control<QProgressBar>("ProgressBar1"); }
    QPushButton *button(const char *name) const { return control<QPushButton>(name); }

    // Shows the window and waits until it is the active one; false when the
    // platform would not activate it.
    bool showActive();
    // Makes the window active again (offscreen does not, after a modal box).
    bool reactivate();

    FakePlatform platform;
    SettingsStore store;
    RandomSource random;
    std::unique_ptr<Form1> window;
};

template<typename T>
T *FormFixture::control(const char *name) const
{
    T *found = window->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("FormFixture: the window has no control %s", name);
    return found;
}
