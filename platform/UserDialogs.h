#pragma once

#include <QString>

class QWidget;

// The modal boxes the program shows, behind an interface so that tests can
// script the user's answers.
class UserDialogs
{
public:
    enum class Icon { Information, Warning, Error };
    enum class Buttons { Ok, YesNo, YesNoCancel };
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~UserDialogs() = default;

    // The application's standard error box.
    virtual void errorBox(const QString &text) = 0;
    // A screen reader says spokenDetail after the text; it is not shown.
    virtual Answer messageBox(const QString &caption, const QString &text, Icon icon, Buttons buttons,
                              const QString &spokenDetail = QString()) = 0;
    // Cancel returns the default text.
    virtual QString inputBox(const QString &caption, const QString &prompt, const QString &defaultText) = 0;
    // An empty result means the user cancelled.
    virtual QString openFileName(const QString &startDir, const QString &filterEntry, const QString &pattern) = 0;
};

// Qt's own texts in the standard boxes and the file dialog (是, 否, 取消, …)
// in Chinese, as the rest of the window; false when the translations are
// not installed and they stay English.
bool installChineseStandardTexts();

// The error text as the error box shows it: a full stop is added when the
// last character sorts after ".".
QString errorBoxText(const QString &text);
// A text as a box shows it: lines broken every 80 characters and the whole
// cut after 1,000, so that no box grows wider or taller than the screen.
QString boxDisplayText(const QString &text);

// While it lives, notices (text/Notices.h) from any thread are shown in an
// information box on the interface thread.
class NoticeBoxes
{
public:
    explicit NoticeBoxes(UserDialogs *dialogs);
    ~NoticeBoxes();
    NoticeBoxes(const NoticeBoxes &) = delete;
    NoticeBoxes &operator=(const NoticeBoxes &) = delete;
};

class QtUserDialogs : public UserDialogs
{
public:
    QtUserDialogs(QWidget *parent, QString applicationTitle);

    // The window the boxes are centred over and belong to.
    void setParentWindow(QWidget *parent) { m_parent = parent; }

    void errorBox(const QString &text) override;
    Answer messageBox(const QString &caption, const QString &text, Icon icon, Buttons buttons,
                      const QString &spokenDetail = QString()) override;
    QString inputBox(const QString &caption, const QString &prompt, const QString &defaultText) override;
    QString openFileName(const QString &startDir, const QString &filterEntry, const QString &pattern) override;

private:
    QWidget *m_parent;
    QString m_applicationTitle;
};
