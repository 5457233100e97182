#pragma once

#include "platform/DateSource.h"
#include "platform/UserDialogs.h"

#include <QStringList>

#include <functional>
#include <utility>

// Records every box shown and answers from a script; an empty script
// answers No, cancels the input box and the file dialog.
class ScriptedDialogs : public UserDialogs
{
public:
    struct Shown
    {
        QString caption;
        QString text;
        Icon icon = Icon::Information;
        Buttons buttons = Buttons::Ok;
        QString spokenDetail;
    };

    QList<Shown> shown;
    QStringList errors;
    QList<Answer> answers;
    QStringList inputs;
    QStringList files;
    QString lastStartDir;
    // Runs while the next message box is open, as events do in a modal loop.
    std::function<void()> whileNextBoxOpen;

    void errorBox(const QString &text) override { errors.append(text); }

    Answer messageBox(const QString &caption, const QString &text, Icon icon, Buttons buttons,
                      const QString &spokenDetail = QString()) override
    {
        shown.append({caption, text, icon, buttons, spokenDetail});
        if (auto during = std::exchange(whileNextBoxOpen, nullptr))
            during();
        if (buttons == Buttons::Ok)
            return Answer::Ok;
        return answers.isEmpty() ? Answer::No : answers.takeFirst();
    }

    QString inputBox(const QString &, const QString &, const QString &defaultText) override
    {
        return inputs.isEmpty() ? defaultText : inputs.takeFirst();
    }

    QString openFileName(const QString &startDir, const QString &, const QString &) override
    {
        lastStartDir = startDir;
        return files.isEmpty() ? QString() : files.takeFirst();
    }
};

class FixedDate : public DateSource
{
public:
    explicit FixedDate(QString text) : m_text(std::move(text)) {}
    QString todayText() const override { return m_text; }

private:
    QString m_text;
};
