#pragma once

#include "support/FormFixture.h"

#include <QObject>

// A window test over a fresh FormFixture, its parts at hand.
class FormTestBase : public QObject
{
protected:
    void showForm()
    {
        m_fixture = std::make_unique<FormFixture>();
        QVERIFY(m_fixture->show());
        m_form = m_fixture->form.get();
        m_dialogs = &m_fixture->dialogs;
        m_sound = &m_fixture->sound;
        m_appDir = &m_fixture->appDir;
    }

    std::unique_ptr<FormFixture> m_fixture;
    TForm1 *m_form = nullptr;
    ScriptedDialogs *m_dialogs = nullptr;
    FakeSound *m_sound = nullptr;
    QTemporaryDir *m_appDir = nullptr;
};
