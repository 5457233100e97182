#include "platform/AppFonts.h"
#include "app/Form1Unit.h"
#include "app/HintLine.h"
#include "app/PlainPanel.h"
#include "support/FormTestBase.h"
#include "text/TextFile.h"
#include "widgets/deco/DsFramedImage.h"
#include "widgets/deco/antLabel.h"
#include "widgets/flat/TFlatComboBoxUnit.h"
#include "widgets/flat/TFlatEditUnit.h"
#include "widgets/flat/TFlatListBoxUnit.h"
#include "widgets/flat/TFlatMemoUnit.h"
#include "widgets/flat/TFlatPanelUnit.h"
#include "widgets/xp/XP_Button.h"
#include "widgets/xp/XP_Form.h"
#include "widgets/xp/XP_Url.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QStatusBar>
#include <QTimer>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>


namespace {

using View = FormFixture::View;
const View kQuery{true, false, true, false, false, false};
const View kEditor{true, false, false, true, false, false};
const View kAbout{true, false, false, false, true, false};
const View kEditorFinished{true, false, false, false, false, false};

} // namespace

class TestForm1 : public FormTestBase
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { showForm(); }
    void cleanup();

    void windowFrame();
    void placesAndTexts_data();
    void placesAndTexts();
    void fontsAndColours_data();
    void fontsAndColours();
    void smallChineseTextIsDark_data();
    void smallChineseTextIsDark();
    void stackingOrderOfClientPanel();
    void aboutTextsFit();
    void selectionPanelTabOrder();
    void viewChanges_data();
    void viewChanges();
    void queryCaptionAndPanelCanPart();
    void failedRecordReadKeepsView();
    void hintsAreInherited_data();
    void hintsAreInherited();
    void hintLineWritesOnlyChanges();
    void everyHintFits();

private:
    View view() const;
    static void pick(TFlatComboBox *box, int index) { FormFixture::pick(box, index); }
    static void press(QAbstractButton *button) { FormFixture::press(button); }
    void writeBank(const QString &stem, const QStringList &questions, const QStringList &answers)
    {
        m_fixture->writeBank(stem, questions, answers);
    }
    void runSteps(const QStringList &steps);

};

void TestForm1::initTestCase()
{
    AppFonts::installSubstitutions();
}


void TestForm1::cleanup()
{
    m_fixture.reset();
}

View TestForm1::view() const
{
    return FormFixture::view(*m_form);
}


void TestForm1::windowFrame()
{
    QCOMPARE(m_form->size(), QSize(674, 424));
    QVERIFY(m_form->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Numora－单机版"));
    QCOMPARE(m_form->Caption(), QStringLiteral("Numora V1.0 －单机版"));
    QCOMPARE(m_form->Panel2->geometry(), QRect(3, 29, 668, 392));
    QCOMPARE(m_form->XP_Form1->captionText(), m_form->Caption());
    QCOMPARE(m_form->XP_Form1->buttonRects().close, (TRect{651, 7, 666, 23}));
    QCOMPARE(m_form->XP_Form1->buttonRects().min, (TRect{636, 7, 651, 23}));
    QCOMPARE(m_form->XP_Form1->buttonRects().help, (TRect{621, 7, 636, 23}));
    QVERIFY(m_form->XP_Form1->buttonRects().max.isNull());
    QCOMPARE(m_form->StatusBar1->geometry(), QRect(0, 373, 668, 19));
    QCOMPARE(m_form->statusHint(), QStringLiteral("欢迎使用！"));
    QCOMPARE(m_form->StatusPanel0->width(), 120); // 100, widened for the longest hint
    QCOMPARE(m_form->Timer1->interval(), 1000);
    QVERIFY(!m_form->Timer1->isActive());
    QCOMPARE(view(), FormFixture::kStart);

    // The client panel follows the frame; the status bar stays along its bottom.
    m_form->resize(800, 500);
    QCOMPARE(m_form->Panel2->geometry(), QRect(3, 29, 794, 468));
    QCOMPARE(m_form->StatusBar1->geometry(), QRect(0, 449, 794, 19));
    QCOMPARE(m_form->FlatPanel1->geometry(), QRect(449, 15, 211, 343));
}

// One control per panel and kind, and the texts no other test reads.
void TestForm1::placesAndTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("hint");
    QTest::newRow("selection panel") << "FlatPanel1" << "Panel2" << QRect(449, 15, 211, 343) << "" << "登陆系统窗口";
    QTest::newRow("range box") << "FlatComboBox1" << "FlatPanel1" << QRect(16, 80, 177, 21) << "请选择：" << "选择训练范围";
    QTest::newRow("enter") << "FlatButton1" << "FlatPanel1" << QRect(24, 231, 75, 24) << "登    陆" << "登陆系统";
    QTest::newRow("exit") << "FlatButton2" << "FlatPanel1" << QRect(112, 295, 75, 24) << "退    出" << "退出系统";
    QTest::newRow("upgrade link") << "XP_Url1" << "FlatPanel1" << QRect(34, 299, 56, 17) << "网络升级" << "通过网络升级软件版本";
    QTest::newRow("range label") << "Label20" << "FlatPanel1" << QRect(15, 67, 55, 17) << "训练范围:" << "";
    QTest::newRow("welcome picture") << "DsFramedImage1" << "FlatPanel2" << QRect(1, 1, 443, 360) << "" << "欢迎使用！";
    QTest::newRow("training panel") << "Panel1" << "Panel2" << QRect(3, 4, 661, 362) << "开始训练" << "训练窗口";
    QTest::newRow("question") << "Label4" << "Panel1" << QRect(264, 160, 369, 29) << "题目" << "出示题目";
    QTest::newRow("answer field") << "FlatEdit2" << "Panel1" << QRect(360, 216, 89, 35) << "" << "输入答案";
    QTest::newRow("info group") << "FlatGroupBox1" << "Panel1" << QRect(40, 120, 177, 209) << "信息栏目" << "训练信息";
    QTest::newRow("info value") << "Label16" << "FlatGroupBox1" << QRect(100, 77, 70, 25) << "Label16" << "";
    QTest::newRow("query memo") << "FlatMemo2" << "FlatPanel3" << QRect(40, 40, 329, 297) << "" << "训练过程";
    QTest::newRow("editor panel") << "FlatPanel4" << "Panel2" << QRect(8, 14, 430, 344) << "" << "编制题库窗口";
    QTest::newRow("times sign") << "FlatButton11" << "FlatPanel4" << QRect(322, 301, 25, 24) << "×" << "添加乘号";
    QTest::newRow("divide sign") << "FlatButton12" << "FlatPanel4" << QRect(354, 301, 25, 24) << "÷" << "添加除号";
    QTest::newRow("copyright") << "FlatPanel7" << "FlatPanel5" << QRect(3, 3, 226, 165) << "" << "版权申明";
    QTest::newRow("description") << "FlatMemo3" << "FlatPanel5" << QRect(232, 3, 194, 165) << "" << "软件介绍";
}

void TestForm1::placesAndTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, place);
    QFETCH(QString, text);
    QFETCH(QString, hint);
    auto *control = m_form->findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget()->objectName(), parent);
    QString shown;
    if (auto *link = qobject_cast<TXP_Url *>(control)) {
        place.setWidth(link->fittingWidth()); // a link is as wide as its text
        shown = link->text();
    }
    if (auto *title = qobject_cast<TantLabel *>(control))
        place.setSize(title->measure()); // the title sizes itself to its text and shadow
    QCOMPARE(control->geometry(), place);
    QCOMPARE(control->toolTip(), hint);
    if (auto *label = qobject_cast<QLabel *>(control))
        shown = label->text();
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        shown = button->text();
    else if (auto *box = qobject_cast<QComboBox *>(control))
        shown = box->currentText();
    else if (auto *group = qobject_cast<QGroupBox *>(control))
        shown = group->title();
    else if (auto *panel = qobject_cast<PlainPanel *>(control))
        shown = panel->caption();
    QCOMPARE(shown, text);
}

void TestForm1::fontsAndColours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("installed"); // the face that draws it
    QTest::addColumn<QColor>("colour");
    const QColor black(0, 0, 0);
    QTest::newRow("title") << "antLabel1" << "楷体_GB2312" << 29 << false << "AR PL UKai CN" << black;
    QTest::newRow("range label") << "Label20" << "Arial" << 11 << false << "Liberation Sans" << black;
    QTest::newRow("range title") << "Label6" << "楷体_GB2312" << 24 << true << "AR PL UKai CN" << black;
    QTest::newRow("mode line") << "Label7" << "楷体_GB2312" << 20 << false << "AR PL UKai CN" << QColor(0, 0x80, 0);
    QTest::newRow("question") << "Label4" << "楷体_GB2312" << 29 << true << "AR PL UKai CN" << QColor(0, 0, 0xFF);
    QTest::newRow("answer field") << "FlatEdit2" << "宋体" << 29 << false << "AR PL UMing CN" << QColor(0xFF, 0, 0);
    QTest::newRow("info value") << "Label15" << "宋体" << 16 << false << "AR PL UMing CN" << QColor(0, 0x80, 0);
    QTest::newRow("equals") << "Label19" << "宋体" << 19 << true << "AR PL UMing CN" << black;
    QTest::newRow("query memo") << "FlatMemo2" << "宋体" << 19 << false << "AR PL UMing CN" << black;
    QTest::newRow("window font") << "FlatButton1" << "MS Sans Serif" << 11 << false << "Liberation Sans" << black;
}

void TestForm1::fontsAndColours()
{
    QFETCH(QString, name);
    QFETCH(QString, family);
    QFETCH(int, pixels);
    QFETCH(bool, bold);
    QFETCH(QString, installed);
    QFETCH(QColor, colour);
    auto *control = m_form->findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->font().family(), family);
    QCOMPARE(control->font().pixelSize(), pixels);
    QCOMPARE(control->font().bold(), bold);
    QCOMPARE(QFontInfo(control->font()).family(), installed);
    const QPalette::ColorRole role = qobject_cast<QLabel *>(control) ? QPalette::WindowText : QPalette::Text;
    if (colour != QColor(0, 0, 0))
        QCOMPARE(control->palette().color(role), colour);
}

void TestForm1::smallChineseTextIsDark_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("range caption, 11 pixels") << "Label20";
    QTest::newRow("info caption, 16 pixels") << "Label11";
    QTest::newRow("answer caption, 14 pixels") << "Label1";
}

// Black text drawn from the face's own bitmaps has black pixels; smoothed
// outlines at these sizes were no darker than (68, 68, 66).
void TestForm1::smallChineseTextIsDark()
{
    QFETCH(QString, name);
    auto *label = m_form->findChild<QLabel *>(name);
    QVERIFY(label);
    label->setText(QStringLiteral("训练范围"));
    const QImage image = label->grab().toImage();
    int darkest = 255;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            darkest = qMin(darkest, qGray(image.pixel(x, y)));
    QCOMPARE(darkest, 0);
}

void TestForm1::aboutTextsFit()
{
    TForm1 &f = *m_form;
    press(f.XP_Button1);
    for (TXP_Url *link : {f.XP_Url2, f.XP_Url3}) {
        const int width = link->fontMetrics().horizontalAdvance(link->text());
        QVERIFY2(link->x() + width <= f.FlatPanel7->width(), qPrintable(link->text()));
    }
    QVERIFY(f.XP_Url2->Url().endsWith(f.XP_Url2->text().section(u'：', 1)));
    QVERIFY(f.XP_Url3->Url().endsWith(f.XP_Url3->text().section(u'：', 1)));

    // Lines broken by hand: none wider than the memo, so no sideways scrolling.
    for (TFlatMemo *memo : {f.FlatMemo1, f.FlatMemo3}) {
        QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }
    const int room = f.FlatMemo3->viewport()->width() - 2 * int(f.FlatMemo3->document()->documentMargin());
    for (const QString &line : f.FlatMemo3->lines())
        QVERIFY2(f.FlatMemo3->fontMetrics().horizontalAdvance(line) <= room, qPrintable(line));
}

void TestForm1::stackingOrderOfClientPanel()
{
    QStringList names;
    for (QObject *child : m_form->Panel2->children())
        if (child->isWidgetType())
            names.append(child->objectName());
    QCOMPARE(names, (QStringList{"FlatPanel3", "FlatPanel5", "FlatPanel4", "Panel1", "FlatPanel2", "FlatPanel1",
                                 "StatusBar1"}));
}

void TestForm1::selectionPanelTabOrder()
{
    TForm1 &f = *m_form;
    const QList<QWidget *> expected{f.FlatComboBox1, f.FlatComboBox2, f.FlatComboBox3, f.FlatButton6, f.FlatButton1,
                                    f.FlatButton2,   f.FlatButton7,   f.FlatButton8,   f.XP_Button1};
    for (qsizetype i = 1; i < expected.size(); ++i) {
        QWidget *next = expected.at(i - 1)->nextInFocusChain();
        while (next->focusProxy() == nullptr && !(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        if (next->parentWidget() == expected.at(i - 1)) // a combo box's own edit
            next = next->nextInFocusChain();
        QCOMPARE(next->objectName(), expected.at(i)->objectName());
    }
    const QList<QComboBox *> boxes{f.FlatComboBox1, f.FlatComboBox2, f.FlatComboBox3};
    for (QComboBox *box : boxes)
        QCOMPARE(box->currentIndex(), -1);
    QCOMPARE(f.FlatComboBox1->count(), 12);
    QCOMPARE(f.FlatComboBox1->itemText(8), QStringLiteral("9、万以内四则混合运算  训练"));
    QCOMPARE(f.FlatComboBox2->itemText(1), QStringLiteral("定量训练（单位：道）"));
    QCOMPARE(f.FlatComboBox3->count(), 0);
}

// Steps: "query" (a record is chosen), "query-cancel", "editor", "about",
// "finish" (confirmed), "cancel", "enter".
void TestForm1::runSteps(const QStringList &steps)
{
    TForm1 &f = *m_form;
    for (const QString &step : steps) {
        if (step == "query") {
            m_dialogs->files.append(m_appDir->filePath("job/a.xl"));
            press(f.FlatButton7);
        } else if (step == "query-cancel") {
            press(f.FlatButton7);
        } else if (step == "editor") {
            press(f.FlatButton8);
            QTRY_VERIFY(!f.bankBusy());
        } else if (step == "about") {
            press(f.XP_Button1);
        } else if (step == "finish") {
            m_dialogs->answers.append(UserDialogs::Answer::Yes);
            press(f.FlatButton16);
            QTRY_VERIFY(!f.bankBusy());
        } else if (step == "cancel") {
            press(f.FlatButton17);
        } else if (step == "enter") {
            pick(f.FlatComboBox1, 0);
            pick(f.FlatComboBox2, 1);
            pick(f.FlatComboBox3, 0);
            press(f.FlatButton1);
        }
    }
}

void TestForm1::viewChanges_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<View>("expected");
    QTest::addColumn<QString>("queryCaption");
    QTest::newRow("start") << QStringList() << FormFixture::kStart << "查    询";
    QTest::newRow("query") << QStringList{"query"} << kQuery << "关      闭";
    QTest::newRow("query cancelled") << QStringList{"query-cancel"} << FormFixture::kStart << "查    询";
    QTest::newRow("query closed") << QStringList{"query", "query"} << FormFixture::kStart << "查      询";
    QTest::newRow("editor") << QStringList{"editor"} << kEditor << "查    询";
    QTest::newRow("about") << QStringList{"about"} << kAbout << "查    询";
    QTest::newRow("about twice") << QStringList{"about", "about"} << kAbout << "查    询";
    QTest::newRow("about then editor") << QStringList{"about", "editor"} << kEditor << "查    询";
    QTest::newRow("editor finished") << QStringList{"editor", "finish"} << kEditorFinished << "查    询";
    QTest::newRow("editor cancelled") << QStringList{"editor", "cancel"} << FormFixture::kStart << "查    询";
    QTest::newRow("query then editor") << QStringList{"query", "editor"} << kEditor << "关      闭";
    QTest::newRow("query reopened") << QStringList{"query", "query", "query"} << kQuery << "关      闭";
    QTest::newRow("training from start") << QStringList{"enter"} << FormFixture::kTraining << "查    询";
    QTest::newRow("training from query") << QStringList{"query", "enter"} << FormFixture::kTraining << "关      闭";
    QTest::newRow("training from about") << QStringList{"about", "enter"} << FormFixture::kTraining << "查    询";
}

void TestForm1::viewChanges()
{
    QFETCH(QStringList, steps);
    QFETCH(View, expected);
    QFETCH(QString, queryCaption);
    TextFile::writeLines(m_appDir->filePath("job/a.xl"), {"第1题    1+1=2    √"});
    writeBank("make", {"1+1="}, {"2"});
    runSteps(steps);
    QCOMPARE(view(), expected);
    QCOMPARE(m_form->FlatButton7->text(), queryCaption);
    QCOMPARE(m_dialogs->errors, QStringList());
}

void TestForm1::queryCaptionAndPanelCanPart()
{
    TextFile::writeLines(m_appDir->filePath("job/a.xl"), {"x"});
    writeBank("make", {"1+1="}, {"2"});
    runSteps({"query", "editor", "query"});
    // The welcome picture covers the editor, which stays visible beneath it.
    QCOMPARE(view(), (View{true, true, false, true, false, false}));
    QCOMPARE(m_form->FlatButton7->text(), QStringLiteral("查      询"));

    runSteps({"finish"});
    QCOMPARE(view(), FormFixture::kStart);
}

void TestForm1::failedRecordReadKeepsView()
{
    m_dialogs->files.append(m_appDir->filePath("job/missing.xl"));
    press(m_form->FlatButton7);
    QCOMPARE(m_dialogs->errors, QStringList{"Cannot open file " + m_appDir->filePath("job/missing.xl")});
    QCOMPARE(m_dialogs->lastStartDir, m_appDir->path() + "/job");
    QCOMPARE(view(), FormFixture::kStart);
    QCOMPARE(m_form->Label8->text(), QStringLiteral("missing.xl"));
    QCOMPARE(m_form->FlatButton7->text(), QStringLiteral("查    询"));
}

void TestForm1::hintsAreInherited_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hint");
    QTest::newRow("own hint") << "FlatComboBox1" << "选择训练范围";
    QTest::newRow("label in selection panel") << "Label20" << "登陆系统窗口";
    QTest::newRow("button without hint") << "XP_Button1" << "登陆系统窗口";
    QTest::newRow("info label") << "Label12" << "训练信息";
    QTest::newRow("welcome picture") << "DsFramedImage1" << "欢迎使用！";
    QTest::newRow("bare client panel") << "Panel2" << "";
    QTest::newRow("status bar") << "StatusBar1" << "";
    QTest::newRow("disabled modify") << "FlatButton14" << "修改题目";
    QTest::newRow("combo box edit") << "FlatComboBox2" << "选择训练方式";
}

void TestForm1::hintsAreInherited()
{
    QFETCH(QString, name);
    QFETCH(QString, hint);
    auto *control = m_form->findChild<QWidget *>(name);
    QVERIFY(control);
    if (auto *box = qobject_cast<QComboBox *>(control))
        control = box->lineEdit();
    QCOMPARE(HintLine::inheritedHint(control), hint);
}

void TestForm1::everyHintFits()
{
    QLabel *line = m_form->StatusPanel0;
    QVERIFY(line->width() >= 100);
    for (const QWidget *control : m_form->findChildren<QWidget *>()) {
        const QString hint = control->toolTip();
        QVERIFY2(line->fontMetrics().horizontalAdvance(hint) <= line->contentsRect().width(), qPrintable(hint));
    }
}

void TestForm1::hintLineWritesOnlyChanges()
{
    TForm1 &f = *m_form;
    auto centre = [](QWidget *w) { return w->mapToGlobal(w->rect().center()); };
    f.updateHint(centre(f.Label20));
    QCOMPARE(f.statusHint(), QStringLiteral("登陆系统窗口"));
    f.updateHint(centre(f.FlatButton1));
    QCOMPARE(f.statusHint(), QStringLiteral("登陆系统"));
    f.updateHint(centre(f.DsFramedImage1));
    QCOMPARE(f.statusHint(), QStringLiteral("欢迎使用！"));
    f.updateHint(f.Panel2->mapToGlobal(QPoint(447, 2))); // bare client panel
    QCOMPARE(f.statusHint(), QString());
    f.updateHint(f.mapToGlobal(QPoint(-50, -50)));
    QCOMPARE(f.statusHint(), QString());

    // An unchanged hint is not written again.
    f.updateHint(centre(f.FlatButton2));
    f.StatusPanel0->setText("marker");
    f.updateHint(centre(f.FlatButton2));
    QCOMPARE(f.statusHint(), QStringLiteral("marker"));
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
