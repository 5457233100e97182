// A whole run with the keyboard alone, and what assistive technology is told.
#include "app/PlainPanel.h"
#include "support/FormFixture.h"
#include "widgets/AccessibleWidgets.h"
#include "widgets/flat/TFlatEditUnit.h"
#include "widgets/xp/XP_Button.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void wholeRunWithKeysAlone();
    void everyControlHasAnAccessibleName();
    void treeHoldsShownPanes();
    void questionLabelIsReadAsItChanges();

private:
    static void key(Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); }
    // Tabs until the widget has the focus, as a user looking for it would.
    static bool tabTo(QWidget *target)
    {
        for (int i = 0; i < 30 && !target->hasFocus(); ++i)
            key(Qt::Key_Tab);
        return target->hasFocus();
    }
    static QString accessibleName(QObject *object)
    {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
        return face ? face->text(QAccessible::Name) : QString();
    }
};

void TestKeyboard::wholeRunWithKeysAlone()
{
    FormFixture fixture;
    fixture.writeBank("201", {"3+4="}, {"7"});
    fixture.dialogs.inputs << "2";
    fixture.dialogs.answers << UserDialogs::Answer::No; // the closing message: stay
    QVERIFY(fixture.show());
    TForm1 &f = *fixture.form;
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));

    QVERIFY(tabTo(f.FlatComboBox1));
    key(Qt::Key_Down);
    key(Qt::Key_Down); // 2、20以内一步加减法
    key(Qt::Key_Tab);
    QVERIFY(f.FlatComboBox2->hasFocus());
    key(Qt::Key_Down);
    key(Qt::Key_Down); // 定量训练
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    QVERIFY(f.FlatButton6->hasFocus());
    key(Qt::Key_Space); // 自定义: 2 questions
    QCOMPARE(f.FlatComboBox3->currentText(), "2");
    key(Qt::Key_Tab);
    QVERIFY(f.FlatButton1->hasFocus());
    key(Qt::Key_Return); // 登    陆
    QVERIFY(f.Panel1->isVisible());

    QVERIFY(tabTo(f.FlatButton3));
    key(Qt::Key_Space); // 开始训练
    QVERIFY(f.FlatEdit2->hasFocus());
    for (int i = 0; i < 2; ++i) {
        QTest::keyClick(f.FlatEdit2, Qt::Key_7);
        key(Qt::Key_Return);
    }
    QTRY_COMPARE_WITH_TIMEOUT(fixture.dialogs.shown.size(), 1, 3000);
    QCOMPARE(fixture.dialogs.shown.first().text, QStringLiteral("训练结束！"));
    QCOMPARE(f.model().run()->correctCount(), 2);
}

void TestKeyboard::everyControlHasAnAccessibleName()
{
    FormFixture fixture;
    QVERIFY(fixture.show());
    // These never show: the hidden lists hold the bank, the player no picture.
    const QStringList neverShown{"MediaPlayer1", "FlatListBox1", "FlatListBox2"};
    QStringList nameless;
    for (QWidget *control : fixture.form->findChildren<QWidget *>()) {
        if (control->objectName().isEmpty() || control->objectName().startsWith("qt_")
            || neverShown.contains(control->objectName()))
            continue;
        if (accessibleName(control).trimmed().isEmpty())
            nameless << control->objectName();
    }
    QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(u' ')));
    QCOMPARE(accessibleName(fixture.form->FlatEdit2), QStringLiteral("输入答案"));
}

// A screen reader meets the window as one frame of panes, shown controls only.
void TestKeyboard::treeHoldsShownPanes()
{
    FormFixture fixture;
    QVERIFY(fixture.show());
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(fixture.form.get());
    QCOMPARE(window->role(), QAccessible::Window);
    QAccessibleInterface *client = QAccessible::queryAccessibleInterface(fixture.form->Panel2);
    QCOMPARE(client->role(), QAccessible::Pane);
    QStringList shown;
    for (int i = 0; i < client->childCount(); ++i)
        shown << client->child(i)->object()->objectName();
    QCOMPARE(shown, (QStringList{"FlatPanel2", "FlatPanel1", "StatusBar1"}));
    QCOMPARE(client->indexOfChild(QAccessible::queryAccessibleInterface(fixture.form->FlatPanel1)), 1);
    QCOMPARE(client->indexOfChild(QAccessible::queryAccessibleInterface(fixture.form->Panel1)), -1);
}

void TestKeyboard::questionLabelIsReadAsItChanges()
{
    FormFixture fixture;
    QVERIFY(fixture.show());
    fixture.form->Label4->setText(QStringLiteral("8×7="));
    QCOMPARE(accessibleName(fixture.form->Label4), QStringLiteral("8×7="));
    fixture.form->Label18->setText(QStringLiteral("5道"));
    QCOMPARE(accessibleName(fixture.form->Label18), QStringLiteral("5道"));
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
