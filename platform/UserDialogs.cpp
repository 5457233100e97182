#include "platform/UserDialogs.h"

#include "text/Notices.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

QString errorBoxText(const QString &text)
{
    if (!text.isEmpty() && text.back() > u'.')
        return text + u'.';
    return text;
}

QString boxDisplayText(const QString &text)
{
    constexpr qsizetype kLine = 80, kWhole = 1000;
    QString shown;
    qsizetype run = 0;
    for (qsizetype i = 0; i < text.size() && i < kWhole; ++i) {
        const QChar c = text.at(i);
        run = c == u'\n' ? 0 : run + 1;
        if (run > kLine) {
            shown += u'\n';
            run = 1;
        }
        shown += c;
    }
    if (text.size() > kWhole)
        shown += QChar(0x2026); // …
    return shown;
}

QtUserDialogs::QtUserDialogs(QWidget *parent, QString applicationTitle)
    : m_parent(parent), m_applicationTitle(std::move(applicationTitle))
{
}

void QtUserDialogs::errorBox(const QString &text)
{
    messageBox(m_applicationTitle, errorBoxText(text), Icon::Error, Buttons::Ok);
}

bool installChineseStandardTexts()
{
    auto *translator = new QTranslator(qApp);
    if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

UserDialogs::Answer QtUserDialogs::messageBox(const QString &caption, const QString &text, Icon icon,
                                              Buttons buttons, const QString &spokenDetail)
{
    static const QMessageBox::Icon icons[] = {QMessageBox::Information, QMessageBox::Warning,
                                              QMessageBox::Critical};
    QMessageBox box(icons[int(icon)], caption, boxDisplayText(text), QMessageBox::NoButton, m_parent);
    if (!spokenDetail.isEmpty()) {
        if (auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
            label->setAccessibleName(text + u'\n' + spokenDetail);
    }
    if (buttons == Buttons::Ok) {
        box.addButton(QMessageBox::Ok);
        box.exec();
        return Answer::Ok;
    }
    // Standard buttons, so that they read as the desktop's language has them.
    QAbstractButton *yes = box.addButton(QMessageBox::Yes);
    QAbstractButton *no = box.addButton(QMessageBox::No);
    if (buttons == Buttons::YesNoCancel)
        box.setEscapeButton(box.addButton(QMessageBox::Cancel));
    box.exec();
    if (box.clickedButton() == yes)
        return Answer::Yes;
    // Escape or the box's own close is Cancel where there is one.
    return box.clickedButton() == no || buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
}

QString QtUserDialogs::inputBox(const QString &caption, const QString &prompt, const QString &defaultText)
{
    bool accepted = false;
    const QString text = QInputDialog::getText(m_parent, caption, prompt, QLineEdit::Normal, defaultText, &accepted);
    return accepted ? text : defaultText;
}

QString QtUserDialogs::openFileName(const QString &startDir, const QString &filterEntry, const QString &pattern)
{
    // The entry carries full-width brackets, so the pattern goes in a hidden
    // ASCII pair for the dialog to filter by.
    QFileDialog dialog(m_parent, QString(), startDir, filterEntry + QStringLiteral(" (") + pattern + u')');
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

NoticeBoxes::NoticeBoxes(UserDialogs *dialogs)
{
    Notices::setHandler([dialogs](const QString &text) {
        QMetaObject::invokeMethod(qApp, [dialogs, text] {
            dialogs->messageBox(QStringLiteral("提示!"), text, UserDialogs::Icon::Information, UserDialogs::Buttons::Ok);
        }, Qt::QueuedConnection);
    });
}

NoticeBoxes::~NoticeBoxes()
{
    Notices::setHandler({});
}
