// The window's layout: every control's place, texts, hint, font and colour,
// in the stacking order of its parent.
#include "app/Form1Unit.h"

#include "platform/AppFonts.h"
#include "app/PickListView.h"
#include "app/PlainPanel.h"
#include "training/TrainingCatalogue.h"
#include "widgets/AccessibleWidgets.h"
#include "widgets/deco/DsFramedImage.h"
#include "widgets/deco/JpegPicture.h"
#include "widgets/deco/antLabel.h"
#include "widgets/flat/TFlatButtonUnit.h"
#include "widgets/flat/TFlatComboBoxUnit.h"
#include "widgets/flat/TFlatEditUnit.h"
#include "widgets/flat/TFlatGroupBoxUnit.h"
#include "widgets/flat/TFlatListBoxUnit.h"
#include "widgets/flat/TFlatMemoUnit.h"
#include "widgets/flat/TFlatPanelUnit.h"
#include "widgets/xp/XP_Button.h"
#include "widgets/xp/XP_Form.h"
#include "widgets/xp/XP_Url.h"

#include <QFile>
#include <QLabel>
#include <QListView>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>

namespace {

QFont song(int px, bool bold = false) { return AppFonts::font(QStringLiteral("宋体"), px, bold); }
QFont kai(int px, bool bold = false) { return AppFonts::font(QStringLiteral("楷体_GB2312"), px, bold); }
QFont arial(int px) { return AppFonts::font(QStringLiteral("Arial"), px); }

// Room around the hint inside its sunken panel.
constexpr int kHintPanelPadding = 10;

const QString kUpgradeUrl = QStringLiteral("http://www.numora.example/rjxz");
// Short enough for the about panel's links and memo lines.
const QString kSupportSite = QStringLiteral("www.numora.example");
const QString kMailAddress = QStringLiteral("hi@numora.example");

const QStringList kDescriptionLines = {
    "    系统简介", "", "—  Numora  —", "版本：V1.0 单机版", "发布：2026年12月", "",
    "制作：Numora 开发组", "联系：" + kMailAddress,
    "比赛使用范围：", "1、自制题库", "2、20以内一步加减法", "3、20以内二步加减法",
    "4、百以内一步加减法", "5、百以内二步加减法", "6、万以内加减", "7、表内乘除法",
    "8、万以内乘除法", "9、万以内四则混合运算", "10、一位数乘两位数", "11、小数加减法",
    "12、小数乘除法", "", "安装要求：", "Microsoft ", "Windows 95及其以上版本。", "",
    "软件特色：", "1、训练情况所见即所得；", "2、家长、孩子可查阅训练", "过程；",
    "3、教师可自由升级题库；", "4、免除家长的出题和批改", "工作；", "5、节省成本及纸张。",
};

template <class Control>
void setControlText(Control *control, const QString &text)
{
    if constexpr (std::is_base_of_v<QComboBox, Control>)
        control->setEditText(text);
    else if constexpr (std::is_base_of_v<QGroupBox, Control>)
        control->setTitle(text);
    else if constexpr (std::is_base_of_v<PlainPanel, Control>)
        control->setCaption(text);
    else if constexpr (requires { control->setText(text); })
        control->setText(text);
    else
        Q_ASSERT_X(text.isEmpty(), "setControlText", "control has no text");
}

// The built-in welcome picture; a damaged one leaves the frame empty.
QImage welcomePicture()
{
    QFile file(QStringLiteral(":/welcome.jpg"));
    return file.open(QIODevice::ReadOnly) ? decodeJpeg(file.readAll()).image : QImage();
}

// Button-face rings and background whether lit or not, on the parent's colour.
template <class FlatEditor>
void flatOnButtonFace(FlatEditor *control, bool litToo)
{
    control->setColorFlat(clBtnFace);
    if (litToo)
        control->setColorFocused(clBtnFace);
    control->setParentColor(true);
}

} // namespace

template <class Control>
Control *TForm1::add(QWidget *parent, const char *name, QRect place, const ControlLook &look)
{
    auto *control = new Control(parent);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(place);
    if constexpr (std::is_base_of_v<QLabel, Control>)
        control->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (!look.text.isEmpty())
        setControlText(control, look.text);
    control->setToolTip(look.hint);
    // Assistive technology reads a label's or a button's own text, which
    // may change; a panel is named by its hint (a caption may be hidden
    // beneath its controls), other controls by their caption or their hint.
    if constexpr (std::is_base_of_v<PlainPanel, Control>)
        control->setAccessibleName(look.hint.isEmpty() ? look.text : look.hint);
    else if constexpr (!std::is_base_of_v<QLabel, Control> && !std::is_base_of_v<QAbstractButton, Control>)
        control->setAccessibleName(look.text.isEmpty() ? look.hint : look.text);
    if (look.font)
        control->setFont(*look.font);
    if (look.color) {
        QPalette palette = control->palette();
        const QColor colour = resolve(*look.color, palette);
        palette.setColor(QPalette::WindowText, colour);
        palette.setColor(QPalette::Text, colour);
        control->setPalette(palette);
    }
    if (look.tab >= 0)
        m_tabOrders.insert(control, look.tab);
    if (!look.visible)
        control->hide();
    control->setEnabled(look.enabled);
    return control;
}

void TForm1::createControls()
{
    setFont(AppFonts::font(QStringLiteral("MS Sans Serif"), 11));

    XP_Form1 = new TXP_Form(this);
    XP_Form1->setObjectName(QStringLiteral("XP_Form1"));
    XP_Form1->setBtnMax(false);
    XP_Form1->setBtnHelp(true);
    XP_Form1->setCaptionText(Caption());
    Panel2 = add<PlainPanel>(this, "Panel2", {3, 29, 668, 392});

    // Left area, bottom of the stacking order first.
    FlatPanel3 = add<TFlatPanel>(Panel2, "FlatPanel3", {9, 14, 429, 344}, {.hint = "训练查询窗口", .tab = 2, .visible = false});
    Label8 = add<QLabel>(FlatPanel3, "Label8", {96, 16, 257, 25}, {.text = "查询窗口", .font = song(16), .color = clGreen});
    FlatMemo2 = add<TFlatMemo>(FlatPanel3, "FlatMemo2", {40, 40, 329, 297}, {.hint = "训练过程", .font = song(19), .tab = 0});
    flatOnButtonFace(FlatMemo2, true);
    FlatMemo2->setReadOnly(true);
    FlatMemo2->setLineWrapMode(QPlainTextEdit::NoWrap);
    FlatMemo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    FlatMemo2->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    FlatMemo2->setColumnSeparator(QStringLiteral("    ")); // a record's parts: number, sum, mark

    FlatPanel5 = add<TFlatPanel>(Panel2, "FlatPanel5", {8, 14, 430, 343}, {.hint = "软件信息窗口", .tab = 6, .visible = false});
    FlatPanel7 = add<TFlatPanel>(FlatPanel5, "FlatPanel7", {3, 3, 226, 165}, {.hint = "版权申明", .tab = 0});
    Image2 = add<QLabel>(FlatPanel7, "Image2", {16, 16, 33, 33});
    Image2->setPixmap(QPixmap(QStringLiteral(":/numora-icon.png")));
    Label29 = add<QLabel>(FlatPanel7, "Label29", {64, 24, 154, 24}, {.text = kApplicationTitle});
    XP_Url2 = add<TXP_Url>(FlatPanel7, "XP_Url2", {28, 112, 179, 17}, {.text = "联系作者：" + kMailAddress, .tab = 0});
    XP_Url2->setUrl("mailto:" + kMailAddress);
    XP_Url3 = add<TXP_Url>(FlatPanel7, "XP_Url3", {36, 136, 152, 17}, {.text = "技术支持：" + kSupportSite, .tab = 1});
    XP_Url3->setUrl("http://" + kSupportSite);
    FlatMemo3 = add<TFlatMemo>(FlatPanel5, "FlatMemo3", {232, 3, 194, 165}, {.hint = "软件介绍", .font = song(14), .color = clGreen, .tab = 2});
    flatOnButtonFace(FlatMemo3, true);
    FlatMemo3->setReadOnly(true);
    FlatMemo3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    FlatMemo3->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FlatMemo3->setLines(kDescriptionLines);

    FlatPanel4 = add<TFlatPanel>(Panel2, "FlatPanel4", {8, 14, 430, 344}, {.hint = "编制题库窗口", .tab = 3, .visible = false});
    Label9 = add<QLabel>(FlatPanel4, "Label9", {128, 24, 73, 17}, {.text = "题目", .font = song(16)});
    Label10 = add<QLabel>(FlatPanel4, "Label10", {312, 24, 73, 17}, {.text = "答案", .font = song(16)});
    ListBox7 = add<PickListView>(FlatPanel4, "ListBox7", {56, 48, 177, 208}, {.hint = "题库所有题目", .tab = 0});
    ListBox8 = add<PickListView>(FlatPanel4, "ListBox8", {288, 48, 89, 208}, {.hint = "答案", .tab = 1});
    for (PickListView *list : {ListBox7, ListBox8}) {
        list->setFrameShape(QFrame::NoFrame);
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    }
    ListBox7->setModel(m_editor.questions());
    ListBox8->setModel(m_editor.answers());
    // A question and its answer stay on one line: the lists scroll together.
    for (auto [from, to] : {std::pair{ListBox7, ListBox8}, std::pair{ListBox8, ListBox7}})
        connect(from->verticalScrollBar(), &QScrollBar::valueChanged, to->verticalScrollBar(), &QScrollBar::setValue);
    FlatEdit6 = add<TFlatEdit>(FlatPanel4, "FlatEdit6", {56, 270, 177, 22}, {.hint = "当前题目", .font = song(16), .tab = 2});
    Label19 = add<QLabel>(FlatPanel4, "Label19", {253, 270, 25, 25}, {.text = "=", .font = song(19, true)});
    FlatEdit7 = add<TFlatEdit>(FlatPanel4, "FlatEdit7", {288, 270, 89, 22}, {.hint = "当前题目答案", .font = song(16), .tab = 3});
    flatOnButtonFace(FlatEdit6, false);
    flatOnButtonFace(FlatEdit7, false);
    FlatButton13 = add<TXP_Button>(FlatPanel4, "FlatButton13", {58, 301, 45, 24}, {.text = "添加", .hint = "添加题目", .tab = 4});
    FlatButton14 = add<TXP_Button>(FlatPanel4, "FlatButton14", {110, 301, 45, 24}, {.text = "修改", .hint = "修改题目", .tab = 5, .enabled = false});
    FlatButton15 = add<TXP_Button>(FlatPanel4, "FlatButton15", {160, 301, 45, 24}, {.text = "删除", .hint = "删除题目", .tab = 6, .enabled = false});
    FlatButton16 = add<TXP_Button>(FlatPanel4, "FlatButton16", {213, 301, 45, 24}, {.text = "完成", .hint = "完成自制题库", .tab = 7});
    FlatButton17 = add<TXP_Button>(FlatPanel4, "FlatButton17", {266, 301, 45, 24}, {.text = "取消", .hint = "取消题库自制", .tab = 8});
    FlatButton11 = add<TXP_Button>(FlatPanel4, "FlatButton11", {322, 301, 25, 24}, {.text = "×", .hint = "添加乘号", .tab = 9});
    FlatButton12 = add<TXP_Button>(FlatPanel4, "FlatButton12", {354, 301, 25, 24}, {.text = "÷", .hint = "添加除号", .tab = 10});

    // Training panel, covering both areas while a run is under way.
    Panel1 = add<PlainPanel>(Panel2, "Panel1", {3, 4, 661, 362}, {.text = "开始训练", .hint = "训练窗口", .tab = 4, .visible = false});
    Panel1->setBevels(PlainPanel::Bevel::Raised, PlainPanel::Bevel::Lowered);
    Label6 = add<QLabel>(Panel1, "Label6", {76, 24, 514, 32}, {.text = "Label6", .font = kai(24, true)});
    Label7 = add<QLabel>(Panel1, "Label7", {148, 64, 333, 32}, {.text = "Label7", .font = kai(20), .color = clGreen});
    MediaPlayer1 = add<QWidget>(Panel1, "MediaPlayer1", {264, 88, 253, 30}, {.tab = 6, .visible = false});
    FlatGroupBox1 = add<TFlatGroupBox>(Panel1, "FlatGroupBox1", {40, 120, 177, 209}, {.text = "信息栏目", .hint = "训练信息", .tab = 0});
    Label11 = add<QLabel>(FlatGroupBox1, "Label11", {8, 38, 76, 25}, {.text = "Label11", .font = song(16)});
    Label12 = add<QLabel>(FlatGroupBox1, "Label12", {8, 78, 76, 25}, {.text = "Label12", .font = song(16)});
    Label13 = add<QLabel>(FlatGroupBox1, "Label13", {8, 120, 76, 25}, {.text = "Label13", .font = song(16)});
    Label14 = add<QLabel>(FlatGroupBox1, "Label14", {8, 166, 76, 25}, {.text = "Label14", .font = song(16)});
    Label15 = add<QLabel>(FlatGroupBox1, "Label15", {101, 37, 65, 25}, {.text = "Label15", .font = song(16), .color = clGreen});
    Label16 = add<QLabel>(FlatGroupBox1, "Label16", {100, 77, 70, 25}, {.text = "Label16", .font = song(16), .color = clGreen});
    Label17 = add<QLabel>(FlatGroupBox1, "Label17", {100, 119, 69, 25}, {.text = "Label17", .font = song(16), .color = clGreen});
    Label18 = add<QLabel>(FlatGroupBox1, "Label18", {100, 167, 69, 25}, {.text = "Label18", .font = song(16), .color = clGreen});
    FlatMemo1 = add<TFlatMemo>(Panel1, "FlatMemo1", {264, 128, 353, 169}, {.tab = 5, .visible = false});
    flatOnButtonFace(FlatMemo1, true);
    FlatMemo1->setReadOnly(true);
    FlatMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    FlatMemo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FlatMemo1->setColumnSeparator(QStringLiteral("    ")); // the run's lines, in columns as the viewer shows them
    Label4 = add<NoticeLabel>(Panel1, "Label4", {264, 160, 369, 29}, {.text = "题目", .hint = "出示题目", .font = kai(29, true), .color = clBlue});
    Label4->setAutoFillBackground(true); // hides the panel's caption
    m_trainingLabels = {Label4, Label6, Label7, Label11, Label12, Label13, Label14, Label15, Label16, Label17, Label18};
    FlatEdit2 = add<TFlatEdit>(Panel1, "FlatEdit2", {360, 216, 89, 35}, {.hint = "输入答案", .font = song(29), .color = clRed, .tab = 2, .enabled = false});
    flatOnButtonFace(FlatEdit2, false);
    Label1 = add<QLabel>(Panel1, "Label1", {312, 232, 41, 17}, {.text = "答案", .font = song(14)});
    FlatButton5 = add<TFlatButton>(Panel1, "FlatButton5", {344, 256, 57, 25}, {.text = "下一题", .tab = 1, .visible = false});
    FlatButton5->setDefault(true);
    FlatButton3 = add<TXP_Button>(Panel1, "FlatButton3", {304, 304, 105, 25}, {.text = "开始训练", .tab = 7});
    FlatButton4 = add<TXP_Button>(Panel1, "FlatButton4", {456, 304, 105, 25}, {.text = "结束训练", .hint = "结束训练", .tab = 8});
    FlatListBox1 = add<TFlatListBox>(Panel1, "FlatListBox1", {544, 304, 137, 99}, {.visible = false});
    FlatListBox2 = add<TFlatListBox>(Panel1, "FlatListBox2", {528, 344, 137, 99}, {.visible = false});

    FlatPanel2 = add<TFlatPanel>(Panel2, "FlatPanel2", {2, 5, 445, 362}, {.tab = 0});
    FlatPanel2->setColorHighLight(clBtnFace); // no visible border around the picture
    FlatPanel2->setColorShadow(clBtnFace);
    DsFramedImage1 = add<TDsFramedImage>(FlatPanel2, "DsFramedImage1", {1, 1, 443, 360}, {.hint = "欢迎使用！"});
    DsFramedImage1->setAlign(TAlign::alClient);
    DsFramedImage1->setFrameStyle(TFrameStyle::fsInGrad);
    DsFramedImage1->setPicture(welcomePicture());

    // Selection panel on the right.
    FlatPanel1 = add<TFlatPanel>(Panel2, "FlatPanel1", {449, 15, 211, 343}, {.hint = "登陆系统窗口", .tab = 1});
    antLabel1 = add<TantLabel>(FlatPanel1, "antLabel1", {48, 16, 121, 30}, {.text = "登陆窗口", .font = kai(29)});
    antLabel1->Cursors().setSelected(crArrow);
    antLabel1->Cursors().setActive(crDefault);
    antLabel1->UnderLine().setAll(false, false, false, false);
    Label20 = add<QLabel>(FlatPanel1, "Label20", {15, 67, 55, 17}, {.text = "训练范围:", .font = arial(11)});
    FlatComboBox1 = add<TFlatComboBox>(FlatPanel1, "FlatComboBox1", {16, 80, 177, 21}, {.hint = "选择训练范围", .tab = 0});
    Label21 = add<QLabel>(FlatPanel1, "Label21", {16, 114, 55, 17}, {.text = "训练方式:", .font = arial(11)});
    FlatComboBox2 = add<TFlatComboBox>(FlatPanel1, "FlatComboBox2", {16, 128, 177, 21}, {.hint = "选择训练方式", .tab = 1});
    Label22 = add<QLabel>(FlatPanel1, "Label22", {19, 161, 55, 17}, {.text = "训练控制:", .font = arial(11)});
    FlatComboBox3 = add<TFlatComboBox>(FlatPanel1, "FlatComboBox3", {18, 176, 121, 21}, {.hint = "选择训练的量", .tab = 2});
    FlatButton6 = add<TXP_Button>(FlatPanel1, "FlatButton6", {150, 176, 43, 20}, {.text = "自定义", .hint = "自定义训练的量", .tab = 3});
    FlatButton1 = add<TXP_Button>(FlatPanel1, "FlatButton1", {24, 231, 75, 24}, {.text = "登    陆", .hint = "登陆系统", .tab = 4});
    FlatButton7 = add<TXP_Button>(FlatPanel1, "FlatButton7", {112, 231, 75, 24}, {.text = "查    询", .hint = "查询训练情况", .tab = 6});
    XP_Button1 = add<TXP_Button>(FlatPanel1, "XP_Button1", {24, 263, 75, 24}, {.text = "软件信息", .tab = 8});
    FlatButton8 = add<TXP_Button>(FlatPanel1, "FlatButton8", {112, 263, 75, 24}, {.text = "自制题库", .hint = "自己编制题库", .tab = 7});
    XP_Url1 = add<TXP_Url>(FlatPanel1, "XP_Url1", {34, 299, 56, 17}, {.text = "网络升级", .hint = "通过网络升级软件版本", .tab = 9});
    XP_Url1->setUrl(kUpgradeUrl);
    FlatButton2 = add<TXP_Button>(FlatPanel1, "FlatButton2", {112, 295, 75, 24}, {.text = "退    出", .hint = "退出系统", .tab = 5});
    for (TFlatComboBox *box : {FlatComboBox1, FlatComboBox2, FlatComboBox3})
        box->setEditText(QStringLiteral("请选择："));
    FlatComboBox1->replaceItems(TrainingCatalogue::rangeTexts());
    FlatComboBox2->replaceItems(TrainingCatalogue::modeTexts());

    StatusBar1 = add<QStatusBar>(Panel2, "StatusBar1", {0, 373, 668, 19});
    StatusBar1->setSizeGripEnabled(false);
    StatusPanel0 = new QLabel(QStringLiteral("欢迎使用！"), StatusBar1);
    StatusPanel0->setObjectName(QStringLiteral("StatusPanel0"));
    StatusPanel0->setAlignment(Qt::AlignCenter);
    StatusPanel0->setFixedWidth(100);
    StatusBar1->addWidget(StatusPanel0);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);

    // Shown controls with neither caption nor hint, named for assistive
    // technology all the same.
    const std::pair<QWidget *, QString> unnamed[] = {
        {XP_Form1, kApplicationTitle},   {Panel2, kApplicationTitle},
        {FlatPanel2, QStringLiteral("欢迎画面")}, {Image2, QStringLiteral("软件图标")},
        {FlatMemo1, QStringLiteral("训练过程")}, {StatusBar1, QStringLiteral("提示栏")},
    };
    for (const auto &[control, name] : unnamed)
        control->setAccessibleName(name);

    // The hint panel keeps its width but takes the longest hint whole. Chinese
    // characters share one advance and others are narrower, so one glyph
    // measures them all: measuring every hint's glyphs cost a megabyte.
    qsizetype longest = 0;
    for (const QWidget *control : findChildren<QWidget *>())
        longest = std::max(longest, control->toolTip().size());
    widenHintPanel(longest);

    // A screen reader names each box and the answer field by its caption;
    // an information line is its caption and value together.
    for (auto [caption, control] : {std::pair<QLabel *, QWidget *>{Label20, FlatComboBox1}, {Label21, FlatComboBox2},
                                    {Label22, FlatComboBox3}, {Label1, FlatEdit2}})
        caption->setBuddy(control);
    for (QLabel *value : {Label15, Label16, Label17, Label18})
        AccessibleWidgets::leaveOut(value);

    XP_Form1->setClientPanel(Panel2);
    lowerGraphicControls(this);
}

void TForm1::lowerGraphicControls(QWidget *container)
{
    // Labels and pictures paint on their parent's surface, so every windowed
    // sibling covers them; their order among themselves stays.
    QList<QWidget *> graphic;
    for (QObject *child : container->children()) {
        auto *w = qobject_cast<QWidget *>(child);
        if (!w)
            continue;
        if (qobject_cast<QLabel *>(w) || qobject_cast<TXP_Url *>(w) || qobject_cast<TDsFramedImage *>(w)
            || qobject_cast<TXP_Form *>(w))
            graphic.append(w);
        else
            lowerGraphicControls(w);
    }
    for (auto it = graphic.rbegin(); it != graphic.rend(); ++it)
        (*it)->lower();
}

void TForm1::widenHintPanel(qsizetype characters)
{
    const int fullWidth = StatusPanel0->fontMetrics().horizontalAdvance(QChar(0x56FD)); // 国
    StatusPanel0->setFixedWidth(std::max(StatusPanel0->width(), int(characters) * fullWidth + kHintPanelPadding));
}
