#include "tests/support/FormFixture.h"

#include "app/Form1.h"

#include <QTest>

FormFixture::FormFixture() : window(std::make_unique<Form1>(store, random))
{
    window->Form_Load();
}

FormFixture::~FormFixture()
{
    // The window goes before the store and the platform it uses.
    window.reset();
}

bool FormFixture::showActive()
{
    window->show();
    return reactivate();
}

bool FormFixture::reactivate()
{
    window->activateWindow();
    return QTest::qWaitForWindowActive(window.get());
}
