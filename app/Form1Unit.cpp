#include "app/Form1Unit.h"

#include "app/ActionGuard.h"
#include "app/HintLine.h"
#include "app/PickListView.h"
#include "app/PlainPanel.h"
#include "platform/DateSource.h"
#include "platform/UserDialogs.h"
#include "training/RecordName.h"
#include "text/TextFile.h"
#include "widgets/AccessibleWidgets.h"
#include "widgets/deco/DsFramedImage.h"
#include "widgets/flat/FlatUtilitys.h"
#include "widgets/flat/TFlatButtonUnit.h"
#include "widgets/flat/TFlatComboBoxUnit.h"
#include "widgets/flat/TFlatEditUnit.h"
#include "widgets/flat/TFlatListBoxUnit.h"
#include "widgets/flat/TFlatMemoUnit.h"
#include "widgets/flat/TFlatPanelUnit.h"
#include "widgets/xp/XP_Button.h"
#include "widgets/xp/XP_Url.h"

#include <QAbstractEventDispatcher>
#include <QCloseEvent>
#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QFileInfo>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QStatusBar>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <exception>

const QString kApplicationTitle = QStringLiteral("Numora－单机版");

namespace {

const QString kQueryAgainCaption = QStringLiteral("查      询");
const QString kCloseCaption = QStringLiteral("关      闭");
constexpr QSize kWindowSize(674, 424);
constexpr int kStatusBarHeight = 19;

} // namespace

TForm1::TForm1(const ProgramFolders &folders, FormServices services, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      m_services(std::move(services)),
      m_model(folders, m_services.sound, m_services.drawSeed),
      m_editor(folders.user)
{
    Q_INIT_RESOURCE(resources); // the artwork lives in a static library
    AccessibleWidgets::exposeAs("TForm1", QAccessible::Window);
    AccessibleWidgets::exposeAs("PlainPanel", QAccessible::Pane);
    AccessibleWidgets::install();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kApplicationTitle);
    setWindowIcon(QIcon(QStringLiteral(":/numora-icon.png")));
    resize(kWindowSize);
    createControls();
    applyTabOrder();
    connectEvents();
    Panel2->installEventFilter(this);
    FlatEdit2->installEventFilter(this);
    FormCreate();
}

TForm1::~TForm1()
{
    // The bank work reads the editor's folder: it ends before the window.
    m_bankWork.waitForFinished();
}

QString TForm1::Caption() const
{
    return QStringLiteral("Numora V1.0 －单机版");
}

QString TForm1::statusHint() const
{
    return StatusPanel0->text();
}

void TForm1::applyTabOrder()
{
    // The parents' tab orders, nested depth first, make one focus chain.
    QList<QWidget *> chain;
    std::function<void(QWidget *)> visit = [&](QWidget *container) {
        QList<QWidget *> ordered;
        for (QObject *child : container->children()) {
            auto *w = qobject_cast<QWidget *>(child);
            if (w && m_tabOrders.contains(w))
                ordered.append(w);
        }
        std::stable_sort(ordered.begin(), ordered.end(),
                         [&](QWidget *a, QWidget *b) { return m_tabOrders.value(a) < m_tabOrders.value(b); });
        for (QWidget *w : ordered) {
            if (w->focusPolicy() & Qt::TabFocus)
                chain.append(w);
            visit(w);
        }
    };
    visit(Panel2);
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain.at(i - 1), chain.at(i));
}

void TForm1::connectEvents()
{
    auto bind = [this](auto *sender, auto signal, void (TForm1::*handler)()) {
        connect(sender, signal, this, [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
    };
    bind(FlatComboBox1, &TFlatComboBox::Change, &TForm1::FlatComboBox1Change);
    bind(FlatComboBox2, &TFlatComboBox::Change, &TForm1::FlatComboBox2Change);
    bind(FlatComboBox3, &TFlatComboBox::Change, &TForm1::FlatComboBox3Change);
    bind(FlatButton6, &QAbstractButton::clicked, &TForm1::FlatButton6Click);
    bind(FlatButton1, &QAbstractButton::clicked, &TForm1::FlatButton1Click);
    bind(FlatButton2, &QAbstractButton::clicked, &TForm1::FlatButton2Click);
    bind(FlatButton4, &QAbstractButton::clicked, &TForm1::FlatButton2Click);
    bind(FlatButton3, &QAbstractButton::clicked, &TForm1::FlatButton5Click);
    bind(FlatButton5, &QAbstractButton::clicked, &TForm1::FlatButton5Click);
    bind(Timer1, &QTimer::timeout, &TForm1::Timer1Timer);
    bind(FlatButton7, &QAbstractButton::clicked, &TForm1::FlatButton7Click);
    bind(FlatButton8, &QAbstractButton::clicked, &TForm1::FlatButton8Click);
    bind(FlatButton11, &QAbstractButton::clicked, &TForm1::FlatButton11Click);
    bind(FlatButton12, &QAbstractButton::clicked, &TForm1::FlatButton12Click);
    bind(FlatButton13, &QAbstractButton::clicked, &TForm1::FlatButton13Click);
    bind(FlatButton14, &QAbstractButton::clicked, &TForm1::FlatButton14Click);
    bind(FlatButton15, &QAbstractButton::clicked, &TForm1::FlatButton15Click);
    bind(FlatButton16, &QAbstractButton::clicked, &TForm1::FlatButton16Click);
    bind(FlatButton17, &QAbstractButton::clicked, &TForm1::FlatButton17Click);
    bind(XP_Button1, &QAbstractButton::clicked, &TForm1::XP_Button1Click);

    for (TXP_Url *link : {XP_Url1, XP_Url2, XP_Url3})
        connect(link, &TXP_Url::openFailed, this, [this](const QString &message) { m_services.dialogs->errorBox(message); });

    connectEditorList(ListBox7, &TForm1::ListBox7Click);
    connectEditorList(ListBox8, &TForm1::ListBox8Click);
    connect(&m_editor, &BankEditor::questionFieldChanged, FlatEdit6, &TFlatEdit::setWholeText);
    connect(&m_editor, &BankEditor::answerFieldChanged, FlatEdit7, &TFlatEdit::setWholeText);
    connect(&m_editor, &BankEditor::rowPickedChanged, FlatButton14, &QWidget::setEnabled);
    connect(&m_editor, &BankEditor::rowPickedChanged, FlatButton15, &QWidget::setEnabled);

    connect(&m_bankWork, &QFutureWatcherBase::finished, this, [this] { guarded([this] { finishBankWork(); }); });
    connect(&m_model, &TrainingModel::textChanged, this, &TForm1::showModelText);
    connect(&m_model, &TrainingModel::questionLinesChanged, FlatListBox1, &TFlatListBox::fillItems);
    connect(&m_model, &TrainingModel::answerLinesChanged, FlatListBox2, &TFlatListBox::fillItems);
    connect(&m_model, &TrainingModel::processLineAppended, FlatMemo1, &TFlatMemo::appendLine);
    // The summary ends with the score: the list opens at its end.
    connect(&m_model, &TrainingModel::processLinesChanged, FlatMemo1, [this](const QStringList &lines) {
        FlatMemo1->setLines(lines);
        FlatMemo1->showEnd();
    });
    connect(&m_model, &TrainingModel::runViewChanged, this, &TForm1::showRunView);
    connect(&m_model, &TrainingModel::answerFocusRequested, this, [this] { FlatEdit2->setFocus(); });
}

void TForm1::connectEditorList(PickListView *list, void (TForm1::*handler)())
{
    // A selection that moves because a handler changed the list is no pick.
    connect(list, &PickListView::rowPicked, this, [this, handler] {
        if (!m_handling)
            guarded([this, handler] { (this->*handler)(); });
    });
}

void TForm1::guarded(const std::function<void()> &action)
{
    const bool outer = !std::exchange(m_handling, true);
    runGuarded(*m_services.dialogs, action);
    if (outer) {
        m_handling = false;
        keepKeysOnAnswer();
    }
}

void TForm1::keepKeysOnAnswer()
{
    // During a run the keys belong to the answer: a clicked training button,
    // or a box it opened, must not keep them.
    if (FlatEdit2->isEnabled() && FlatEdit2->isVisible() && Panel1->isAncestorOf(QApplication::focusWidget()))
        FlatEdit2->setFocus();
}

void TForm1::showModelText(TrainingText label, const QString &text)
{
    QLabel *shown = m_trainingLabels.at(int(label));
    shown->setText(shownLine(text));
    // One information line, caption and value, is one text to a screen reader.
    const std::pair<QLabel *, QLabel *> lines[] = {{Label11, Label15}, {Label12, Label16}, {Label13, Label17}, {Label14, Label18}};
    for (const auto &[caption, value] : lines) {
        if (shown == caption || shown == value)
            caption->setAccessibleName(caption->text() + value->text());
    }
    if (label == TrainingText::Question)
        Label4->announce(); // the answer field keeps the keyboard
}

void TForm1::showRunView(const RunView &view)
{
    if (FlatEdit2->text() != view.answerText)
        FlatEdit2->setText(view.answerText);
    FlatEdit2->setEnabled(view.answerEnabled);
    FlatEdit2->setVisible(view.answerVisible);
    FlatButton3->setEnabled(view.startEnabled);
    FlatButton4->setEnabled(view.endEnabled);
    FlatMemo1->setVisible(view.processVisible);
    if (view.timerRunning != Timer1->isActive()) {
        if (view.timerRunning)
            Timer1->start();
        else
            Timer1->stop();
    }
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == FlatEdit2 && event->type() == QEvent::KeyPress
        && FlatEdit2KeyDown(static_cast<QKeyEvent *>(event)->key()))
        return true;
    // The status bar runs along the bottom of the client panel.
    if (watched == Panel2 && event->type() == QEvent::Resize)
        StatusBar1->setGeometry(0, Panel2->height() - kStatusBarHeight, Panel2->width(), kStatusBarHeight);
    return QWidget::eventFilter(watched, event);
}

void TForm1::FormCreate()
{
    const DateSource *dates = m_services.dates;
    m_model.fixRecordPath([dates] { return dates->todayText(); });
    if (auto *dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] { updateHint(QCursor::pos()); });
}

void TForm1::greet(const QString &pupil)
{
    const QString welcome = pupil + QStringLiteral("，") + DsFramedImage1->toolTip();
    DsFramedImage1->setToolTip(welcome);
    widenHintPanel(welcome.size());
    m_applicationHint = welcome;
    ShowHint();
}

void TForm1::updateHint(QPoint globalPos)
{
    const QString hint = HintLine::hintAt(globalPos);
    if (hint == m_applicationHint)
        return;
    m_applicationHint = hint;
    ShowHint();
}

void TForm1::ShowHint()
{
    StatusPanel0->setText(m_bankWorkHint.isEmpty() ? m_applicationHint : m_bankWorkHint);
}

void TForm1::FlatComboBox1Change()
{
    m_model.selectRange(FlatComboBox1->currentIndex());
}

void TForm1::FlatComboBox2Change()
{
    const QStringList amounts = m_model.selectMode(FlatComboBox2->currentIndex());
    FlatComboBox3->replaceItems(amounts);
}

void TForm1::FlatComboBox3Change()
{
    m_model.selectAmount(FlatComboBox3->currentIndex(), FlatComboBox3->currentText());
}

void TForm1::FlatButton6Click()
{
    const QString text = m_services.dialogs->inputBox(QStringLiteral("请输入"),
                                                      QStringLiteral("提示：训练量为数字！        "),
                                                      QStringLiteral("300"));
    FlatComboBox3->setEditText(text);
    m_model.enterCustomAmount(text);
}

void TForm1::FlatButton1Click()
{
    if (!m_model.choiceComplete()) {
        m_services.dialogs->messageBox(QStringLiteral("Error"), QStringLiteral("训练项目选择是否正确？"),
                                       UserDialogs::Icon::Error, UserDialogs::Buttons::Ok);
        return;
    }
    m_model.refuseEmptyBank(); // a run with no questions could never be trained
    m_model.writeRangeTitle();
    showView(ClientView::Training);
    m_model.writeTrainingTexts();
    m_model.loadBank();
}

void TForm1::FlatButton2Click()
{
    if (!confirmEnd())
        return;
    m_endConfirmed = true;
    m_services.terminate();
}

bool TForm1::confirmEnd()
{
    if (m_endConfirmed)
        return true;
    if (!m_model.canEndAtOnce(FlatPanel1->isVisible())) {
        const auto answer = m_services.dialogs->messageBox(QStringLiteral("Warning"),
                                                           QStringLiteral("训练还没有结束，真得要退出吗？"),
                                                           UserDialogs::Icon::Warning, UserDialogs::Buttons::YesNo);
        if (answer != UserDialogs::Answer::Yes)
            return false;
        // A record that cannot be written is reported and the program stays
        // open with the finished run on screen, so that it is not lost; the
        // next request ends at once.
        m_model.endRun();
        return true;
    }
    return confirmEditorSaved();
}

bool TForm1::confirmEditorSaved()
{
    if (!FlatPanel4->isVisible() || !m_editor.modified())
        return true;
    const auto answer = m_services.dialogs->messageBox(QStringLiteral("Warning"), QStringLiteral("题库已修改，保存吗？"),
                                                       UserDialogs::Icon::Warning, UserDialogs::Buttons::YesNoCancel);
    if (answer == UserDialogs::Answer::Cancel)
        return false;
    if (answer == UserDialogs::Answer::Yes)
        m_editor.save(); // a failure keeps the editor open with its rows
    return true;
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // The frame's close button, the window manager and quitting all come
    // here: a run or an edit is never dropped without the question.
    bool close = false;
    guarded([this] { finishBankWork(); }); // a save under way ends first
    guarded([this, &close] { close = confirmEnd(); });
    m_endConfirmed = close;
    event->setAccepted(close);
}

bool TForm1::endForSessionEnd(bool mayAsk)
{
    bool keepOpen = false;
    guarded([this] { finishBankWork(); });
    guarded([&] {
        if (!m_model.canEndAtOnce(FlatPanel1->isVisible()))
            m_model.endRun();
        else if (mayAsk)
            keepOpen = !confirmEditorSaved();
    });
    m_endConfirmed = !keepOpen;
    return !keepOpen;
}

void TForm1::FlatButton5Click()
{
    m_model.answerStep(FlatEdit2->text());
}

bool TForm1::FlatEdit2KeyDown(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    FlatButton5->click();
    return true;
}

void TForm1::Timer1Timer()
{
    // A child who cannot see the list hears the score with the closing box.
    if (!m_model.tick())
        return;
    QString text = QStringLiteral("训练结束！");
    if (const QString notice = m_services.recordNotice ? m_services.recordNotice() : QString(); !notice.isEmpty())
        text += u'\n' + notice;
    m_services.dialogs->messageBox(QStringLiteral("提示!"), text, UserDialogs::Icon::Information,
                                   UserDialogs::Buttons::YesNo, m_model.summaryLines().join(u'\n'));
}

void TForm1::FlatButton7Click()
{
    if (m_viewerOpen)
        closeViewer();
    else
        openRecord();
}

void TForm1::openRecord()
{
    const QString folder =
        m_services.recordsFolder.isEmpty() ? RecordName::jobFolder(m_model.folders().user) : m_services.recordsFolder;
    const QString chosen = m_services.dialogs->openFileName(folder,
                                                            QStringLiteral("训练成绩文件（*.xl）"),
                                                            QStringLiteral("*.xl"));
    if (chosen.isEmpty())
        return;
    FlatMemo2->setLines({});
    Label8->setText(QFileInfo(chosen).fileName());
    FlatMemo2->showLines(LineStore::read(chosen));
    showView(ClientView::Query);
    FlatButton7->setText(kCloseCaption);
    m_viewerOpen = true;
}

void TForm1::closeViewer()
{
    FlatPanel3->hide();
    FlatButton7->setText(kQueryAgainCaption);
    m_viewerOpen = false;
    // Only the viewer goes: an editor it covered stays beneath the picture.
    FlatPanel2->show();
}

void TForm1::showView(ClientView view)
{
    if (view == ClientView::Training) {
        Panel1->show(); // before the selection panel goes, so that the focus moves into it
        FlatPanel1->hide();
    }
    const std::pair<QWidget *, ClientView> leftArea[] = {
        {FlatPanel2, ClientView::Welcome}, {FlatPanel3, ClientView::Query},
        {FlatPanel4, ClientView::Editor}, {FlatPanel5, ClientView::About}};
    for (const auto &[panel, shown] : leftArea) {
        if (shown != view)
            panel->hide();
    }
    for (const auto &[panel, shown] : leftArea) {
        if (shown == view)
            panel->show();
    }
}

void TForm1::FlatButton8Click()
{
    showView(ClientView::Editor);
    m_editor.show({}); // empty while the pair is read
    startBankWork(QStringLiteral("正在读取题库…"), [this] {
        return [this, loaded = m_editor.load()] { m_editor.show(loaded); };
    });
}

void TForm1::ListBox7Click()
{
    m_editor.pickRow(ListBox7->currentIndex().row());
}

void TForm1::ListBox8Click()
{
    m_editor.pickRow(ListBox8->currentIndex().row());
}

void TForm1::FlatButton11Click()
{
    FlatEdit6->typeIn(QStringLiteral("×"));
}

void TForm1::FlatButton12Click()
{
    FlatEdit6->typeIn(QStringLiteral("÷"));
}

void TForm1::FlatButton13Click()
{
    m_editor.add(FlatEdit6->wholeText(), FlatEdit7->wholeText());
}

void TForm1::FlatButton14Click()
{
    m_editor.modify(FlatEdit6->wholeText(), FlatEdit7->wholeText());
}

void TForm1::FlatButton15Click()
{
    m_editor.removeRememberedRow();
}

void TForm1::FlatButton16Click()
{
    const auto answer = m_services.dialogs->messageBox(QStringLiteral("Warning"), QStringLiteral("编辑完成吗？"),
                                                       UserDialogs::Icon::Warning, UserDialogs::Buttons::YesNo);
    if (answer != UserDialogs::Answer::Yes)
        return;
    // A failure keeps the editor open with its rows.
    startBankWork(QStringLiteral("正在保存题库…"), [this, rows = m_editor.snapshot()] {
        rows.write();
        return [this] {
            m_editor.saved();
            FlatPanel4->hide(); // nothing in its place; a picture beneath it stays
        };
    });
}

void TForm1::startBankWork(const QString &hint, std::function<std::function<void()>()> work)
{
    // A big bank takes a while to read or write: the window stays alive, but
    // nothing may read or change the bank until the work is done.
    m_bankWorkHint = hint;
    FlatPanel1->setEnabled(false);
    FlatPanel4->setEnabled(false);
    ShowHint();
    // What the work throws is thrown again here, on this thread.
    m_bankWork.setFuture(QtConcurrent::run([work = std::move(work)]() -> std::function<void()> {
        try {
            return work();
        } catch (...) {
            return [error = std::current_exception()] { std::rethrow_exception(error); };
        }
    }));
}

void TForm1::finishBankWork()
{
    if (m_bankWorkHint.isEmpty())
        return;
    m_bankWork.waitForFinished();
    m_bankWorkHint.clear();
    FlatPanel1->setEnabled(true);
    FlatPanel4->setEnabled(true);
    ShowHint();
    m_bankWork.result()();
}

void TForm1::FlatButton17Click()
{
    showView(ClientView::Welcome);
}

void TForm1::XP_Button1Click()
{
    showView(ClientView::About);
}
