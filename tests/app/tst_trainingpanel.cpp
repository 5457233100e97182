// Entering training and the run on the training panel: the choice and its
// refusals, the start press, answers by Enter, the closing message,
// "结束训练" and a record that cannot be written.
#include "platform/AppFonts.h"
#include "support/FormTestBase.h"
#include "text/TextFile.h"
#include "widgets/AccessibleWidgets.h"
#include "widgets/flat/TFlatComboBoxUnit.h"
#include "widgets/flat/TFlatEditUnit.h"
#include "widgets/flat/TFlatListBoxUnit.h"
#include "widgets/flat/TFlatMemoUnit.h"
#include "widgets/flat/TFlatPanelUnit.h"
#include "widgets/xp/XP_Button.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTimer>

#include <sys/stat.h>

class TestTrainingPanel : public FormTestBase
{
    Q_OBJECT

private slots:
    void initTestCase() { AppFonts::installSubstitutions(); }
    void init() { showForm(); }
    void cleanup() { m_fixture.reset(); }

    void enteringTrainingWritesTexts();
    void incompleteChoiceIsRefused();
    void modeChangeKeepsShownAmount();
    void customAmountFromInputBox();
    void customAmountErrorKeepsText();
    void typingInAmountBoxClearsChoice();
    void typedItemTextIsNoChoice_data();
    void typedItemTextIsNoChoice();
    void missingBankShowsErrorAfterSwitch();
    void emptyBankIsRefused_data();
    void emptyBankIsRefused();
    void fifoIsNoFile_data();
    void fifoIsNoFile();
    void exitEndsProgram();
    void recordPathFixedAtStart();
    void runWithStartButtonAndEnter();
    void tickFinishesRunWithClosingMessage();
    void endRequest_data();
    void endRequest();
    void tickDuringEndQuestionWritesOnce();
    void summaryEndsInView();
    void failedRecordKeepsRunOnScreen();
    void hugeQuestionDoesNotFreeze();

private:
    static void pick(TFlatComboBox *box, int index) { FormFixture::pick(box, index); }
    static void press(QAbstractButton *button) { FormFixture::press(button); }
    void writeBank(const QString &stem, const QStringList &questions, const QStringList &answers)
    {
        m_fixture->writeBank(stem, questions, answers);
    }
    FormFixture::View view() const { return FormFixture::view(*m_form); }
    void enterCountedRun(int questions = 2);
    void typeAnswer(const QString &text);

};


void TestTrainingPanel::enteringTrainingWritesTexts()
{
    writeBank("202", {"3+4-2=", "9-5+6="}, {"5", "10"});
    TForm1 &f = *m_form;
    pick(f.FlatComboBox1, 2);
    pick(f.FlatComboBox2, 0);
    pick(f.FlatComboBox3, 0);
    press(f.FlatButton1);
    QCOMPARE(m_dialogs->errors, QStringList());
    QCOMPARE(view(), FormFixture::kTraining);
    QCOMPARE(f.Label6->text(), QStringLiteral("您正在进行的是  3、20以内二步加减法  训练"));
    QCOMPARE(f.Label7->text(), QStringLiteral("训练方式：计时    训练时间：60秒"));
    const QList<QLabel *> info{f.Label11, f.Label12, f.Label13, f.Label14, f.Label15, f.Label16, f.Label17, f.Label18};
    QStringList texts;
    for (QLabel *label : info)
        texts.append(label->text());
    QCOMPARE(texts, (QStringList{"规定时间：", "剩余时间：", "完成题数：", "正确题数：", "60秒", "60秒", "0道", "0道"}));
    QCOMPARE(f.Label4->text(), QStringLiteral("题目"));
    QCOMPARE(f.FlatListBox1->count(), 2);
    QCOMPARE(f.FlatListBox1->items().at(1), QStringLiteral("9-5+6="));
    QCOMPARE(f.FlatListBox2->items().at(1), QStringLiteral("10"));
    QVERIFY(!f.FlatEdit2->isEnabled());
    QVERIFY(f.FlatButton3->isEnabled());
}

void TestTrainingPanel::incompleteChoiceIsRefused()
{
    TForm1 &f = *m_form;
    pick(f.FlatComboBox1, 1);
    pick(f.FlatComboBox2, 1);
    press(f.FlatButton1);
    QCOMPARE(m_dialogs->shown.size(), 1);
    QCOMPARE(m_dialogs->shown.first().caption, QStringLiteral("Error"));
    QCOMPARE(m_dialogs->shown.first().text, QStringLiteral("训练项目选择是否正确？"));
    QCOMPARE(m_dialogs->shown.first().icon, UserDialogs::Icon::Error);
    QCOMPARE(view(), FormFixture::kStart);
    QCOMPARE(f.Label6->text(), QStringLiteral("Label6"));
}

void TestTrainingPanel::modeChangeKeepsShownAmount()
{
    TForm1 &f = *m_form;
    pick(f.FlatComboBox2, 0);
    QCOMPARE(f.FlatComboBox3->itemText(5), QStringLiteral("600"));
    pick(f.FlatComboBox3, 4);
    pick(f.FlatComboBox2, 1);
    QCOMPARE(f.FlatComboBox3->count(), 6);
    QCOMPARE(f.FlatComboBox3->itemText(0), QStringLiteral("10"));
    QCOMPARE(f.FlatComboBox3->currentText(), QStringLiteral("300"));
    QCOMPARE(f.model().state().AmountIndex, 4);

    writeBank("1001", {"12+30="}, {"42"});
    pick(f.FlatComboBox1, 3);
    press(f.FlatButton1);
    QCOMPARE(f.Label7->text(), QStringLiteral("训练方式：计题    训练题量：300道"));
    QCOMPARE(f.Label16->text(), QStringLiteral("300道"));
}

void TestTrainingPanel::customAmountFromInputBox()
{
    TForm1 &f = *m_form;
    press(f.FlatButton6); // cancelled: the default counts
    QCOMPARE(f.FlatComboBox3->currentText(), QStringLiteral("300"));
    QCOMPARE(f.model().state().AmountIndex, 300);

    m_dialogs->inputs.append("-5");
    press(f.FlatButton6);
    pick(f.FlatComboBox1, 0);
    pick(f.FlatComboBox2, 0);
    press(f.FlatButton1);
    QCOMPARE(m_dialogs->shown.last().text, QStringLiteral("训练项目选择是否正确？"));
    QCOMPARE(view(), FormFixture::kStart);
}

void TestTrainingPanel::customAmountErrorKeepsText()
{
    TForm1 &f = *m_form;
    m_dialogs->inputs.append("abc");
    press(f.FlatButton6);
    QCOMPARE(m_dialogs->errors, QStringList{"'abc' is not a valid integer value"});
    QCOMPARE(f.FlatComboBox3->currentText(), QStringLiteral("abc"));
    QCOMPARE(f.model().state().AmountIndex, -1);
}

void TestTrainingPanel::typingInAmountBoxClearsChoice()
{
    TForm1 &f = *m_form;
    pick(f.FlatComboBox2, 0);
    pick(f.FlatComboBox3, 2);
    QCOMPARE(f.model().state().AmountIndex, 2);
    f.FlatComboBox3->lineEdit()->setFocus();
    QTest::keyClick(f.FlatComboBox3->lineEdit(), Qt::Key_5);
    QCOMPARE(f.FlatComboBox3->currentText(), QStringLiteral("1805"));
    QCOMPARE(f.model().state().AmountIndex, -1);
    QCOMPARE(f.model().state().AmountText, QStringLiteral("1805"));
}

void TestTrainingPanel::typedItemTextIsNoChoice_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enter"); // else the focus leaves the box
    QTest::newRow("amount, Enter") << 3 << "120" << true;
    QTest::newRow("amount, focus out") << 3 << "120" << false;
    QTest::newRow("range, Enter") << 1 << "2、20以内一步加减法  训练" << true;
    QTest::newRow("mode, focus out") << 2 << "定时训练（单位：秒）" << false;
}

void TestTrainingPanel::typedItemTextIsNoChoice()
{
    QFETCH(int, box);
    QFETCH(QString, text);
    QFETCH(bool, enter);
    TForm1 &f = *m_form;
    QApplication::setActiveWindow(&f);
    QVERIFY(QTest::qWaitForWindowActive(&f));
    pick(f.FlatComboBox1, 1);
    pick(f.FlatComboBox2, 0);
    pick(f.FlatComboBox3, 0);

    TFlatComboBox *typedInto = QList{f.FlatComboBox1, f.FlatComboBox2, f.FlatComboBox3}.at(box - 1);
    QLineEdit *edit = typedInto->lineEdit();
    edit->setFocus();
    edit->selectAll();
    QInputMethodEvent typing; // how typed Chinese arrives
    typing.setCommitString(text);
    QApplication::sendEvent(edit, &typing);
    if (enter)
        QTest::keyClick(edit, Qt::Key_Return);
    else
        f.FlatButton1->setFocus();
    QCOMPARE(typedInto->currentText(), text);
    QCOMPARE(typedInto->currentIndex(), -1);

    press(f.FlatButton1);
    QCOMPARE(m_dialogs->shown.size(), 1);
    QCOMPARE(m_dialogs->shown.first().text, QStringLiteral("训练项目选择是否正确？"));
    QCOMPARE(view(), FormFixture::kStart);
}

void TestTrainingPanel::missingBankShowsErrorAfterSwitch()
{
    TForm1 &f = *m_form;
    TextFile::writeLines(m_appDir->filePath("data/sz.da"), {"1"});
    pick(f.FlatComboBox1, 8);
    pick(f.FlatComboBox2, 1);
    pick(f.FlatComboBox3, 0);
    press(f.FlatButton1);
    QCOMPARE(m_dialogs->errors, QStringList{"Cannot open file " + m_appDir->path() + "/data/sz.tm"});
    QCOMPARE(view(), FormFixture::kTraining);
    QCOMPARE(f.Label7->text(), QStringLiteral("训练方式：计题    训练题量：10道"));
    QCOMPARE(f.FlatListBox2->count(), 1);
    QCOMPARE(f.FlatListBox1->count(), 0);
}

void TestTrainingPanel::emptyBankIsRefused_data()
{
    QTest::addColumn<QByteArray>("questions");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("NUL first") << QByteArray("\0" "1+1=\r\n", 7);
}

// Once the run started with no question to ask.
void TestTrainingPanel::emptyBankIsRefused()
{
    QFETCH(QByteArray, questions);
    TForm1 &f = *m_form;
    QFile file(m_appDir->filePath("data/make.tm"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(questions);
    file.close();
    TextFile::writeLines(m_appDir->filePath("data/make.da"), {"2"});
    pick(f.FlatComboBox1, 0);
    pick(f.FlatComboBox2, 1);
    pick(f.FlatComboBox3, 0);
    press(f.FlatButton1);
    QCOMPARE(m_dialogs->errors, QStringList{"题库中没有题目：" + m_appDir->filePath("data/make.tm")});
    QCOMPARE(view(), FormFixture::kStart);
    QCOMPARE(f.FlatListBox2->count(), 0);
}

void TestTrainingPanel::fifoIsNoFile_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("chosen in the viewer") << "viewer";
    QTest::newRow("custom bank in the editor") << "editor";
    QTest::newRow("custom bank trained") << "training";
}

// A FIFO with no writer once blocked the interface thread for good.
void TestTrainingPanel::fifoIsNoFile()
{
    QFETCH(QString, where);
    TForm1 &f = *m_form;
    const QString fifo = m_appDir->filePath(where == "viewer" ? "job/fifo.xl" : "data/make.tm");
    QFile::remove(fifo);
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    TextFile::writeLines(m_appDir->filePath("data/make.da"), {"2"});
    if (where == "viewer") {
        m_dialogs->files.append(fifo);
        press(f.FlatButton7);
    } else if (where == "editor") {
        press(f.FlatButton8);
        QTRY_VERIFY(!f.bankBusy());
    } else {
        pick(f.FlatComboBox1, 0);
        pick(f.FlatComboBox2, 1);
        pick(f.FlatComboBox3, 0);
        press(f.FlatButton1);
    }
    QCOMPARE(m_dialogs->errors, QStringList{"Cannot open file " + fifo + ": 这不是普通文件"});
}

void TestTrainingPanel::exitEndsProgram()
{
    press(m_form->FlatButton2);
    QCOMPARE(m_fixture->terminations, 1);
}

void TestTrainingPanel::recordPathFixedAtStart()
{
    QCOMPARE(m_form->model().state().RecordPath, m_appDir->path() + "/job/2026-12-8-第1次.xl");
}

void TestTrainingPanel::enterCountedRun(int questions)
{
    QStringList bank{"1+1=", "2+3="}, answers{"2", "5"};
    for (int n = 3; n <= questions; ++n) {
        bank.append(QString("%1+1=").arg(n));
        answers.append(QString::number(n + 1));
    }
    writeBank("make", bank, answers);
    TForm1 &f = *m_form;
    pick(f.FlatComboBox1, 0);
    pick(f.FlatComboBox2, 1);
    m_dialogs->inputs.append(QString::number(questions));
    press(f.FlatButton6);
    press(f.FlatButton1);
    QCOMPARE(FormFixture::view(*m_form), FormFixture::kTraining);
}

void TestTrainingPanel::typeAnswer(const QString &text)
{
    QTest::keyClicks(m_form->FlatEdit2, text);
    QTest::keyClick(m_form->FlatEdit2, Qt::Key_Return);
}

void TestTrainingPanel::runWithStartButtonAndEnter()
{
    enterCountedRun();
    TForm1 &f = *m_form;
    press(f.FlatButton3);
    QVERIFY(f.FlatEdit2->isEnabled());
    QVERIFY(f.FlatEdit2->hasFocus());
    QVERIFY(!f.FlatButton3->isEnabled());
    QVERIFY(f.Timer1->isActive());
    QCOMPARE(f.FlatEdit2->text(), QString());
    QCOMPARE(f.Label4->text(), QStringLiteral("1+1="));

    QTest::keyClick(f.FlatEdit2, Qt::Key_Return); // empty: ignored
    QCOMPARE(f.FlatMemo1->lines().size(), 0);
    typeAnswer("2");
    QTest::keyClick(f.FlatEdit2, Qt::Key_Enter, Qt::ShiftModifier); // empty again
    QCOMPARE(f.FlatMemo1->lines(), QStringList{"第1题    1+1=2    √"});
    QCOMPARE(f.Label16->text(), QStringLiteral("1道"));
    QCOMPARE(f.Label18->text(), QStringLiteral("1道"));
    QCOMPARE(f.FlatEdit2->text(), QString());
    QVERIFY(!f.FlatMemo1->isVisible());
    QCOMPARE(m_sound->names(), (QStringList{"c0", "z1"}));

    typeAnswer("x");
    QCOMPARE(m_dialogs->errors, QStringList{"'x' is not a valid floating point value"});
    QCOMPARE(f.FlatEdit2->text(), QStringLiteral("x"));
}

void TestTrainingPanel::tickFinishesRunWithClosingMessage()
{
    enterCountedRun();
    TForm1 &f = *m_form;
    press(f.FlatButton3);
    typeAnswer("2");
    typeAnswer("5");
    QVERIFY(QMetaObject::invokeMethod(f.Timer1, "timeout"));
    QVERIFY(!f.Timer1->isActive());
    QVERIFY(!f.FlatEdit2->isVisible());
    QVERIFY(f.FlatMemo1->isVisible());
    QVERIFY(f.FlatButton4->isEnabled());
    QCOMPARE(f.FlatMemo1->lines().mid(2), (QStringList{"训练题数为：2道", "完成时间为：1秒", "正确题数为：1道"}));
    // The process list covers the question, as a windowed control covers a label.
    QWidget *top = f.Panel1->childAt(f.Label4->geometry().center());
    QVERIFY(top == f.FlatMemo1 || f.FlatMemo1->isAncestorOf(top));
    QCOMPARE(m_dialogs->shown.size(), 1);
    QCOMPARE(m_dialogs->shown.first().caption, QStringLiteral("提示!"));
    QCOMPARE(m_dialogs->shown.first().text, QStringLiteral("训练结束！"));
    QCOMPARE(m_dialogs->shown.first().buttons, UserDialogs::Buttons::YesNo);
    // A screen reader hears the score with the box.
    QCOMPARE(m_dialogs->shown.first().spokenDetail, QStringLiteral("训练题数为：2道\n完成时间为：1秒\n正确题数为：1道"));
    QCOMPARE(TextFile::readLines(f.model().state().RecordPath), f.FlatMemo1->lines());

    press(f.FlatButton4); // after the finish: no question
    QCOMPARE(m_dialogs->shown.size(), 1);
    QCOMPARE(m_fixture->terminations, 1);
}

void TestTrainingPanel::endRequest_data()
{
    QTest::addColumn<bool>("started");
    QTest::addColumn<QList<UserDialogs::Answer>>("answers");
    QTest::addColumn<int>("questions");
    QTest::addColumn<int>("terminations");
    QTest::addColumn<bool>("recorded");
    using A = UserDialogs::Answer;
    QTest::newRow("before the start") << false << QList<A>() << 0 << 1 << false;
    QTest::newRow("running, No") << true << QList<A>{A::No} << 1 << 0 << false;
    QTest::newRow("running, Yes") << true << QList<A>{A::Yes} << 1 << 1 << true;
}

void TestTrainingPanel::endRequest()
{
    QFETCH(bool, started);
    QFETCH(QList<UserDialogs::Answer>, answers);
    QFETCH(int, questions);
    QFETCH(int, terminations);
    QFETCH(bool, recorded);
    enterCountedRun();
    TForm1 &f = *m_form;
    if (started)
        press(f.FlatButton3);
    m_dialogs->answers = answers;
    press(f.FlatButton4);
    QCOMPARE(m_dialogs->shown.size(), questions);
    if (questions)
        QCOMPARE(m_dialogs->shown.first().text, QStringLiteral("训练还没有结束，真得要退出吗？"));
    QCOMPARE(m_fixture->terminations, terminations);
    QCOMPARE(QFile::exists(f.model().state().RecordPath), recorded);
    if (recorded)
        QCOMPARE(TextFile::readLines(f.model().state().RecordPath),
                 (QStringList{"训练题数为：2道", "完成时间为：0秒", "正确题数为：0道"}));
    if (!terminations)
        QCOMPARE(f.Timer1->isActive(), started);
    if (started && !terminations) { // the child types on: the next digit is the answer's
        QVERIFY(f.FlatEdit2->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_8);
        QCOMPARE(f.FlatEdit2->text(), QStringLiteral("8"));
    }
}

void TestTrainingPanel::summaryEndsInView()
{
    enterCountedRun(10);
    TForm1 &f = *m_form;
    press(f.FlatButton3);
    for (int n = 0; n < 10; ++n)
        typeAnswer("0");
    QVERIFY(QMetaObject::invokeMethod(f.Timer1, "timeout"));
    QVERIFY(f.FlatMemo1->isVisible());
    QVERIFY(f.FlatMemo1->lines().last().startsWith(QStringLiteral("正确题数为：")));
    // The score, the last line, shows whole.
    QTextCursor end(f.FlatMemo1->document());
    end.movePosition(QTextCursor::End);
    const QRect line = f.FlatMemo1->cursorRect(end);
    QVERIFY2(f.FlatMemo1->viewport()->rect().contains(line),
             qPrintable(QString("line %1..%2, view 0..%3").arg(line.top()).arg(line.bottom()).arg(f.FlatMemo1->viewport()->height())));
}

void TestTrainingPanel::tickDuringEndQuestionWritesOnce()
{
    enterCountedRun();
    TForm1 &f = *m_form;
    press(f.FlatButton3);
    typeAnswer("2");
    typeAnswer("5");
    const QString record = f.model().state().RecordPath;
    // The closing message opens inside the question and takes the first answer.
    m_dialogs->answers = {UserDialogs::Answer::No, UserDialogs::Answer::Yes};
    m_dialogs->whileNextBoxOpen = [&] {
        QVERIFY(QMetaObject::invokeMethod(f.Timer1, "timeout")); // finishes the run under the open question
        QVERIFY(QFile::remove(record));
    };
    press(f.FlatButton4);
    QCOMPARE(m_dialogs->shown.size(), 2); // the question, then the closing message
    QVERIFY(!QFile::exists(record));      // Yes did not write it a second time
    QCOMPARE(m_fixture->terminations, 1);
    QCOMPARE(f.FlatMemo1->lines().size(), 5);
}

void TestTrainingPanel::failedRecordKeepsRunOnScreen()
{
    enterCountedRun();
    TForm1 &f = *m_form;
    press(f.FlatButton3);
    typeAnswer("2");
    QVERIFY(QDir(m_appDir->filePath("job")).removeRecursively());
    TextFile::writeLines(m_appDir->filePath("job"), {"not a folder"});
    m_dialogs->answers = {UserDialogs::Answer::Yes};
    press(f.FlatButton4);
    QCOMPARE(m_dialogs->errors.size(), 1);
    QVERIFY(m_dialogs->errors.first().startsWith("Cannot create file " + f.model().state().RecordPath + ": "));
    QCOMPARE(m_fixture->terminations, 0);
    QVERIFY(f.FlatMemo1->isVisible());
    QVERIFY(!f.FlatEdit2->isVisible());
    QVERIFY(!f.Timer1->isActive());
    QCOMPARE(f.FlatMemo1->lines(), (QStringList{"第1题    1+1=2    √", "训练题数为：2道", "完成时间为：0秒", "正确题数为：1道"}));

    press(f.FlatButton4); // finished now: ends without a question or a second try
    QCOMPARE(m_dialogs->shown.size(), 1);
    QCOMPARE(m_dialogs->errors.size(), 1);
    QCOMPARE(m_fixture->terminations, 1);
}

void TestTrainingPanel::hugeQuestionDoesNotFreeze()
{
    const QString huge = QString(10'000'000, u'7') + "+1=";
    writeBank("make", {huge}, {"8"});
    TForm1 &f = *m_form;
    pick(f.FlatComboBox1, 0);
    pick(f.FlatComboBox2, 1);
    m_dialogs->inputs.append("1");
    press(f.FlatButton6);
    press(f.FlatButton1);
    press(f.FlatButton3);
    typeAnswer("8");
    QVERIFY(QMetaObject::invokeMethod(f.Timer1, "timeout"));
    f.grab();
    QCOMPARE(f.Label4->text().size(), 2001); // shown cut
    QCOMPARE(f.model().processLines().first(), "第1题    " + huge + "8    √"); // kept whole
    QCOMPARE(TextFile::readLines(f.model().state().RecordPath).first(), f.model().processLines().first());
}

QTEST_MAIN(TestTrainingPanel)
#include "tst_trainingpanel.moc"
