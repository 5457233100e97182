#include "app/PickListView.h"
#include "support/FormFixture.h"
#include "widgets/flat/TFlatEditUnit.h"
#include "widgets/flat/TFlatPanelUnit.h"
#include "widgets/xp/XP_Button.h"

#include <QApplication>
#include <QDir>
#include <QListView>
#include <QScrollBar>
#include <QStringListModel>

class TestEditorPanel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_fixture.reset(); }

    void opensWithFileRows();
    void signButtonsTypeAtTheCursor();
    void listsScrollTogether();
    void answerThatIsNoNumberIsRefused();
    void clickingRowFillsFieldsAndEnablesButtons();
    void arrowKeysPickRows();
    void focusByTabPicksNothing();
    void dragPicksRowWhereItEnds();
    void deleteKeepsFieldsWhileCurrentRowMoves();
    void stateSurvivesReopening();
    void finishNoKeepsFiles();
    void finishYesWritesAndHides();
    void closingWaitsForTheSave();
    void failedSaveKeepsTheEditor();
    void cancelWritesNothing();
    void unequalFilesReportMissingPartner();
    void missingFileShowsErrorInOpenEditor();
    void bytesThatAreNoGbkShowAsMarks();
    void hugeRowDoesNotFreeze();

private:
    TForm1 &form() { return *m_fixture->form; }
    QStringList rows(QListView *list) { return qobject_cast<LineListModel *>(list->model())->lines().toList(); }
    void clickRow(QListView *list, int row)
    {
        const QModelIndex index = list->model()->index(row, 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    }
    // Adds 9-9= = 0 and presses "完成", answering the question with answer.
    void addRowThenFinish(UserDialogs::Answer answer)
    {
        open();
        form().FlatEdit6->setText("9-9=");
        form().FlatEdit7->setText("0");
        FormFixture::press(form().FlatButton13);
        m_fixture->dialogs.answers = {answer};
        FormFixture::press(form().FlatButton16);
    }
    void open()
    {
        FormFixture::press(form().FlatButton8);
        QTRY_VERIFY(!form().bankBusy()); // read off the interface thread
    }

    std::unique_ptr<FormFixture> m_fixture;
};

void TestEditorPanel::init()
{
    m_fixture = std::make_unique<FormFixture>();
    m_fixture->writeBank("make", {"1+1=", "2×3=", "8÷4="}, {"2", "6", "2"});
    QVERIFY(m_fixture->show());
}

void TestEditorPanel::opensWithFileRows()
{
    open();
    QVERIFY(form().FlatPanel4->isVisible());
    QCOMPARE(rows(form().ListBox7), (QStringList{"1+1=", "2×3=", "8÷4="}));
    QCOMPARE(rows(form().ListBox8), (QStringList{"2", "6", "2"}));
    QVERIFY(!form().FlatButton14->isEnabled());
    QVERIFY(!form().FlatButton15->isEnabled());
}

void TestEditorPanel::signButtonsTypeAtTheCursor()
{
    open();
    TFlatEdit *field = form().FlatEdit6;
    field->setFocus();
    QTest::keyClick(field, Qt::Key_8);
    FormFixture::press(form().FlatButton11);
    QVERIFY(field->hasFocus());
    QTest::keyClicks(QApplication::focusWidget(), "7=");
    QCOMPARE(field->text(), QStringLiteral("8×7="));
    field->setCursorPosition(1);
    FormFixture::press(form().FlatButton12);
    QCOMPARE(field->text(), QStringLiteral("8÷×7="));
}

void TestEditorPanel::listsScrollTogether()
{
    QStringList questions, answers;
    for (int n = 0; n < 100; ++n) {
        questions.append(QString("%1+1=").arg(n));
        answers.append(QString::number(n + 1));
    }
    m_fixture->writeBank("make", questions, answers);
    open();
    for (QListView *list : {form().ListBox7, form().ListBox8}) // laid out after a pass of the event loop
        QTRY_VERIFY(list->verticalScrollBar()->maximum() > 40);
    form().ListBox8->verticalScrollBar()->setValue(40);
    QCOMPARE(form().ListBox7->verticalScrollBar()->value(), 40);
    form().ListBox7->scrollToBottom();
    QCOMPARE(form().ListBox8->verticalScrollBar()->value(), form().ListBox7->verticalScrollBar()->value());
    QVERIFY(form().ListBox8->verticalScrollBar()->value() > 40);
}

void TestEditorPanel::answerThatIsNoNumberIsRefused()
{
    open();
    form().FlatEdit6->setText("5×5=");
    form().FlatEdit7->setText("abc");
    FormFixture::press(form().FlatButton13);
    QCOMPARE(m_fixture->dialogs.errors, QStringList{"答案“abc”不是一个数，这道题没有添加。"});
    QCOMPARE(rows(form().ListBox8), (QStringList{"2", "6", "2"}));
}

void TestEditorPanel::clickingRowFillsFieldsAndEnablesButtons()
{
    open();
    clickRow(form().ListBox8, 1);
    QCOMPARE(form().FlatEdit6->text(), QStringLiteral("2×3="));
    QCOMPARE(form().FlatEdit7->text(), QStringLiteral("6"));
    QVERIFY(form().FlatButton14->isEnabled());
    QVERIFY(form().FlatButton15->isEnabled());
    QCOMPARE(form().ListBox7->currentIndex().row(), -1); // the other list's highlight stays

    form().FlatEdit6->setText("edited");
    clickRow(form().ListBox8, 1); // the same row again restores the fields
    QCOMPARE(form().FlatEdit6->text(), QStringLiteral("2×3="));
    QCOMPARE(m_fixture->dialogs.errors, QStringList());
}

void TestEditorPanel::arrowKeysPickRows()
{
    open();
    clickRow(form().ListBox7, 0);
    QTest::keyClick(form().ListBox7, Qt::Key_Down);
    QCOMPARE(form().FlatEdit6->text(), QStringLiteral("2×3="));
    QCOMPARE(form().editor().rememberedRow(), 1);
}

void TestEditorPanel::focusByTabPicksNothing()
{
    QApplication::setActiveWindow(&form());
    QVERIFY(QTest::qWaitForWindowActive(&form()));
    open();
    clickRow(form().ListBox7, 2);
    QTest::keyClick(form().ListBox7, Qt::Key_Tab);
    QVERIFY(form().ListBox8->hasFocus());
    QCOMPARE(form().FlatEdit6->text(), QStringLiteral("8÷4="));
    QVERIFY(!form().ListBox8->currentIndex().isValid());
    QVERIFY(!form().ListBox8->selectionModel()->hasSelection());

    form().FlatEdit6->setText("7-7=");
    form().FlatEdit7->setText("0");
    FormFixture::press(form().FlatButton14);
    QCOMPARE(rows(form().ListBox7), (QStringList{"1+1=", "2×3=", "7-7="}));
    QTest::keyClick(form().ListBox8, Qt::Key_Down); // the first arrow press picks the first row
    QCOMPARE(form().FlatEdit6->text(), QStringLiteral("1+1="));
    QCOMPARE(form().editor().rememberedRow(), 0);
}

void TestEditorPanel::dragPicksRowWhereItEnds()
{
    open();
    QListView *list = form().ListBox7;
    const auto rowCenter = [list](int row) { return list->visualRect(list->model()->index(row, 0)).center(); };
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, rowCenter(0));
    QTest::mouseMove(list->viewport(), rowCenter(2));
    QCOMPARE(form().FlatEdit6->text(), QString()); // picked on release, not on the way
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, rowCenter(2));
    QCOMPARE(list->currentIndex().row(), 2);
    QCOMPARE(form().FlatEdit6->text(), QStringLiteral("8÷4="));
    QCOMPARE(form().editor().rememberedRow(), 2);
}

void TestEditorPanel::deleteKeepsFieldsWhileCurrentRowMoves()
{
    open();
    clickRow(form().ListBox7, 1);
    FormFixture::press(form().FlatButton15);
    QCOMPARE(rows(form().ListBox7), (QStringList{"1+1=", "8÷4="}));
    QCOMPARE(form().FlatEdit6->text(), QStringLiteral("2×3="));
    QCOMPARE(form().FlatEdit7->text(), QStringLiteral("6"));

    form().FlatEdit6->setText("5×5=");
    form().FlatEdit7->setText("25");
    FormFixture::press(form().FlatButton14); // modifies the row that moved up
    QCOMPARE(rows(form().ListBox7), (QStringList{"1+1=", "5×5="}));
    QCOMPARE(rows(form().ListBox8), (QStringList{"2", "25"}));
    FormFixture::press(form().FlatButton13);
    QCOMPARE(rows(form().ListBox7).last(), QStringLiteral("5×5="));
    QCOMPARE(m_fixture->dialogs.errors, QStringList());
}

void TestEditorPanel::stateSurvivesReopening()
{
    open();
    clickRow(form().ListBox7, 2);
    FormFixture::press(form().FlatButton17);
    QVERIFY(form().FlatPanel2->isVisible());
    open();
    QVERIFY(form().FlatButton14->isEnabled());
    QCOMPARE(form().FlatEdit6->text(), QStringLiteral("8÷4="));
    QCOMPARE(form().editor().rememberedRow(), 2);
}

void TestEditorPanel::finishNoKeepsFiles()
{
    addRowThenFinish(UserDialogs::Answer::No);
    QCOMPARE(m_fixture->dialogs.shown.last().caption, QStringLiteral("Warning"));
    QCOMPARE(m_fixture->dialogs.shown.last().text, QStringLiteral("编辑完成吗？"));
    QCOMPARE(m_fixture->dialogs.shown.last().icon, UserDialogs::Icon::Warning);
    QVERIFY(form().FlatPanel4->isVisible());
    QCOMPARE(TextFile::readLines(m_fixture->path("data/make.tm")).size(), 3);
}

void TestEditorPanel::finishYesWritesAndHides()
{
    addRowThenFinish(UserDialogs::Answer::Yes);
    // Written off the interface thread: meanwhile nothing reaches the bank.
    QVERIFY(form().bankBusy());
    QVERIFY(!form().FlatPanel4->isEnabled() && !form().FlatPanel1->isEnabled());
    QCOMPARE(form().statusHint(), QStringLiteral("正在保存题库…"));
    QTRY_VERIFY(!form().bankBusy());
    QVERIFY(form().FlatPanel1->isEnabled());
    QVERIFY(!form().FlatPanel4->isVisible());
    QVERIFY(!form().FlatPanel2->isVisible());
    QCOMPARE(TextFile::readLines(m_fixture->path("data/make.tm")), (QStringList{"1+1=", "2×3=", "8÷4=", "9-9="}));
    QCOMPARE(TextFile::readLines(m_fixture->path("data/make.da")), (QStringList{"2", "6", "2", "0"}));
}

void TestEditorPanel::closingWaitsForTheSave()
{
    addRowThenFinish(UserDialogs::Answer::Yes);
    const qsizetype asked = m_fixture->dialogs.shown.size();
    QVERIFY(form().close());
    QCOMPARE(m_fixture->dialogs.shown.size(), asked); // saved, so no question
    QCOMPARE(TextFile::readLines(m_fixture->path("data/make.da")), (QStringList{"2", "6", "2", "0"}));
}

void TestEditorPanel::failedSaveKeepsTheEditor()
{
    QFile::remove(m_fixture->path("data/make.da"));
    QVERIFY(QDir().mkdir(m_fixture->path("data/make.da"))); // written on another thread, reported here
    addRowThenFinish(UserDialogs::Answer::Yes);
    QTRY_VERIFY(!form().bankBusy());
    QCOMPARE(m_fixture->dialogs.errors.last(),
             "Cannot create file " + m_fixture->path("data/make.da") + ": 这不是普通文件；原题库没有改动");
    QVERIFY(form().FlatPanel4->isVisible() && form().FlatPanel4->isEnabled());
    QVERIFY(form().editor().modified());
}

void TestEditorPanel::cancelWritesNothing()
{
    open();
    clickRow(form().ListBox7, 0);
    FormFixture::press(form().FlatButton15);
    FormFixture::press(form().FlatButton17);
    QCOMPARE(TextFile::readLines(m_fixture->path("data/make.tm")).size(), 3);
    open();
    QCOMPARE(rows(form().ListBox7).size(), 3);
    QCOMPARE(form().FlatEdit6->text(), QStringLiteral("1+1="));
}

void TestEditorPanel::unequalFilesReportMissingPartner()
{
    m_fixture->writeBank("make", {"1+1=", "2×3=", "8÷4=", "4-1="}, {"2", "6", "2"});
    open();
    clickRow(form().ListBox7, 3);
    QCOMPARE(m_fixture->dialogs.errors, QStringList{"List index out of bounds (3)"});
    QCOMPARE(form().FlatEdit6->text(), QStringLiteral("4-1="));
    QCOMPARE(form().FlatEdit7->text(), QString());
    QVERIFY(!form().FlatButton14->isEnabled());
}

void TestEditorPanel::missingFileShowsErrorInOpenEditor()
{
    QFile::remove(m_fixture->path("data/make.da"));
    open();
    QCOMPARE(m_fixture->dialogs.errors, QStringList{"Cannot open file " + m_fixture->path("data/make.da")});
    QVERIFY(form().FlatPanel4->isVisible());
    QCOMPARE(rows(form().ListBox7).size(), 3);
    QCOMPARE(rows(form().ListBox8).size(), 0);
}

void TestEditorPanel::bytesThatAreNoGbkShowAsMarks()
{
    QFile bank(m_fixture->path("data/make.tm"));
    QVERIFY(bank.open(QIODevice::WriteOnly));
    bank.write("1+\xFF=\r\n");
    bank.close();
    open();
    const auto shown = [this] {
        QCoreApplication::processEvents(); // the list lays out its rows later
        return form().ListBox7->grab().toImage();
    };
    const QImage raw = shown();
    QStringListModel marked({QString("1+") + QChar::ReplacementCharacter + "="});
    form().ListBox7->setModel(&marked);
    QCOMPARE(shown(), raw);
    marked.setStringList({"1+="});
    QVERIFY(shown() != raw); // the mark is seen
    form().ListBox7->setModel(form().editor().questions());
}

void TestEditorPanel::hugeRowDoesNotFreeze()
{
    const QString huge = QString(10'000'000, u'5') + "+1=";
    m_fixture->writeBank("make", {"1+1=", huge}, {"2", "6"});
    open();
    form().ListBox7->grab();
    clickRow(form().ListBox7, 1);
    form().grab();
    QCOMPARE(form().FlatEdit6->text().size(), 2001); // shown cut
    FormFixture::press(form().FlatButton14); // 修改 with the picked row's fields
    QCOMPARE(rows(form().ListBox7).at(1), huge); // kept whole
    QTest::keyClick(form().FlatEdit6, Qt::Key_End);
    QTest::keyClick(form().FlatEdit6, Qt::Key_Backspace); // edited: what is shown counts
    FormFixture::press(form().FlatButton14);
    QCOMPARE(rows(form().ListBox7).at(1), form().FlatEdit6->text());
}

QTEST_MAIN(TestEditorPanel)
#include "tst_editorpanel.moc"
