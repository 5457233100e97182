#include "app/ActionGuard.h"
#include "platform/UserDialogs.h"
#include "support/ScriptedDialogs.h"
#include "text/Errors.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {

// Runs once the next modal box is up.
void whenModalShows(const std::function<void(QWidget *)> &act)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            const QPointer<QWidget> box = modal;
            act(modal);
            // A failed check inside act must fail the test, not leave the box open.
            if (box && box->isVisible())
                box->close();
        }
    });
    poll->start(10);
}

QAbstractButton *buttonWithText(QWidget *box, const QString &text)
{
    for (auto *button : box->findChildren<QAbstractButton *>())
        if (button->text() == text)
            return button;
    return nullptr;
}

} // namespace

class TestUserDialogs : public QObject
{
    Q_OBJECT

private slots:
    void errorTextGetsFullStop_data();
    void errorTextGetsFullStop();
    void guardShowsErrorsAndGoesOn();
    void errorBoxHasTitleAndIcon();
    void longErrorFitsTheScreen();
    void questionAnswersYesOrNo_data();
    void questionAnswersYesOrNo();
    void inputBoxCancelReturnsDefault();
    void inputBoxReturnsTypedText();
    void fileDialogShowsOneFilterEntry();
};

void TestUserDialogs::errorTextGetsFullStop_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << "Cannot open file /a/b.da" << "Cannot open file /a/b.da.";
    QTest::newRow("quote") << "'abc' is not a valid integer value" << "'abc' is not a valid integer value.";
    QTest::newRow("bracket") << "List index out of bounds (3)" << "List index out of bounds (3)";
    QTest::newRow("full stop") << "Done." << "Done.";
    QTest::newRow("chinese") << "训练结束" << "训练结束.";
    QTest::newRow("empty") << "" << "";
}

void TestUserDialogs::errorTextGetsFullStop()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(errorBoxText(text), shown);
}

void TestUserDialogs::guardShowsErrorsAndGoesOn()
{
    ScriptedDialogs dialogs;
    int steps = 0;
    runGuarded(dialogs, [&] {
        ++steps;
        throw ListIndexError(4);
    });
    runGuarded(dialogs, [&] { ++steps; });
    runGuarded(dialogs, [] { throw std::runtime_error("out of memory"); });
    QCOMPARE(steps, 2);
    QCOMPARE(dialogs.errors, (QStringList{"List index out of bounds (4)", "out of memory"}));
}

void TestUserDialogs::errorBoxHasTitleAndIcon()
{
    QtUserDialogs dialogs(nullptr, QStringLiteral("Numora－单机版"));
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    whenModalShows([&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->buttons().size();
        box->buttons().first()->click();
    });
    dialogs.errorBox("Cannot create file /x");
    QCOMPARE(title, QStringLiteral("Numora－单机版"));
    QCOMPARE(text, QStringLiteral("Cannot create file /x."));
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(buttons, 1);
}

void TestUserDialogs::longErrorFitsTheScreen()
{
    QtUserDialogs dialogs(nullptr, QStringLiteral("Numora－单机版"));
    const QString path = "/data/" + QString(10000, u'x');
    int width = 0;
    QString shown;
    whenModalShows([&](QWidget *modal) {
        width = modal->width();
        shown = static_cast<QMessageBox *>(modal)->text();
        static_cast<QMessageBox *>(modal)->buttons().first()->click();
    });
    dialogs.errorBox("Cannot open file " + path);
    QVERIFY2(width < QApplication::primaryScreen()->availableGeometry().width(), qPrintable(QString::number(width)));
    QVERIFY(shown.startsWith("Cannot open file /data/xxx"));
    QVERIFY(shown.endsWith(QChar(0x2026)));
    for (const QString &line : shown.split(u'\n'))
        QVERIFY(line.size() <= 80);
}

void TestUserDialogs::questionAnswersYesOrNo_data()
{
    QTest::addColumn<UserDialogs::Buttons>("buttons");
    QTest::addColumn<QString>("click"); // empty: Escape
    QTest::addColumn<UserDialogs::Answer>("answer");
    using B = UserDialogs::Buttons;
    using A = UserDialogs::Answer;
    QTest::newRow("yes") << B::YesNo << "&Yes" << A::Yes;
    QTest::newRow("no") << B::YesNo << "&No" << A::No;
    QTest::newRow("three, no") << B::YesNoCancel << "&No" << A::No;
    QTest::newRow("three, cancel") << B::YesNoCancel << "Cancel" << A::Cancel;
    QTest::newRow("three, Escape") << B::YesNoCancel << "" << A::Cancel;
}

void TestUserDialogs::questionAnswersYesOrNo()
{
    QFETCH(UserDialogs::Buttons, buttons);
    QFETCH(QString, click);
    QFETCH(UserDialogs::Answer, answer);
    QtUserDialogs dialogs(nullptr, "title");
    whenModalShows([&](QWidget *modal) {
        if (click.isEmpty()) {
            QTest::keyClick(modal, Qt::Key_Escape);
            return;
        }
        QAbstractButton *button = buttonWithText(modal, click);
        QVERIFY(button);
        button->click();
    });
    QCOMPARE(dialogs.messageBox("Warning", "题库已修改，保存吗？", UserDialogs::Icon::Warning, buttons), answer);
}

void TestUserDialogs::inputBoxCancelReturnsDefault()
{
    QtUserDialogs dialogs(nullptr, "title");
    QString prompt;
    whenModalShows([&](QWidget *modal) {
        auto *input = qobject_cast<QInputDialog *>(modal);
        prompt = input->labelText();
        input->findChild<QLineEdit *>()->setText("77");
        input->reject();
    });
    QCOMPARE(dialogs.inputBox("请输入", "提示：训练量为数字！        ", "300"), QStringLiteral("300"));
    QCOMPARE(prompt, QStringLiteral("提示：训练量为数字！        "));
}

void TestUserDialogs::inputBoxReturnsTypedText()
{
    QtUserDialogs dialogs(nullptr, "title");
    whenModalShows([&](QWidget *modal) {
        auto *input = qobject_cast<QInputDialog *>(modal);
        input->findChild<QLineEdit *>()->setText("45");
        input->accept();
    });
    QCOMPARE(dialogs.inputBox("请输入", "prompt", "300"), QStringLiteral("45"));
}

void TestUserDialogs::fileDialogShowsOneFilterEntry()
{
    QTemporaryDir dir;
    QFile record(dir.filePath("2026-12-8-第1次.xl"));
    QVERIFY(record.open(QIODevice::WriteOnly));
    record.close();
    QtUserDialogs dialogs(nullptr, "title");
    QStringList entries;
    QString folder;
    whenModalShows([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        QVERIFY(dialog);
        auto *types = dialog->findChild<QComboBox *>("fileTypeCombo");
        QVERIFY(types);
        for (int i = 0; i < types->count(); ++i)
            entries.append(types->itemText(i));
        folder = dialog->directory().absolutePath();
        // Typed, not selectFile(): that leaves the name field alone once the
        // dialog has given it the focus, and accept() then has no file.
        auto *name = dialog->findChild<QLineEdit *>("fileNameEdit");
        QVERIFY(name);
        name->setText(QFileInfo(record.fileName()).fileName());
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const QString chosen = dialogs.openFileName(dir.path(), QStringLiteral("训练成绩文件（*.xl）"), "*.xl");
    QCOMPARE(entries, QStringList{QStringLiteral("训练成绩文件（*.xl）")});
    QCOMPARE(folder, QDir(dir.path()).absolutePath());
    QCOMPARE(chosen, record.fileName());
}

QTEST_MAIN(TestUserDialogs)
#include "tst_userdialogs.moc"
