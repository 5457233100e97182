#pragma once

#include "training/BankEditor.h"
#include "training/TrainingModel.h"
#include "widgets/WidgetColors.h"

#include <QColor>
#include <QFont>
#include <QFutureWatcher>
#include <QHash>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

class DateSource;
class NoticeLabel;
class PickListView;
class PlainPanel;
class SoundOutput;
class QCloseEvent;
class QLabel;
class QListView;
class QStatusBar;
class QTimer;
class TDsFramedImage;
class TFlatButton;
class TFlatComboBox;
class TFlatEdit;
class TFlatGroupBox;
class TFlatListBox;
class TFlatMemo;
class TFlatPanel;
class TXP_Button;
class TXP_Form;
class TXP_Url;
class TantLabel;
class UserDialogs;

// What the window needs from the desktop; tests hand in scripted ones.
struct FormServices
{
    UserDialogs *dialogs = nullptr;
    const DateSource *dates = nullptr;
    SoundOutput *sound = nullptr;
    std::function<void()> terminate; // ends the program
    quint32 drawSeed = 0;            // where the draws of this launch start
    // Said in the closing box after "训练结束！" when not empty: where the
    // record went, when that is not where it is expected.
    std::function<QString()> recordNotice;
    // Where "查    询" opens, when not the job folder the runs are written to.
    QString recordsFolder;
};

extern const QString kApplicationTitle;

// How one control of the layout looks; unset fields keep the control's own.
struct ControlLook
{
    QString text;
    QString hint;
    std::optional<QFont> font;
    std::optional<TColor> color;
    int tab = -1; // position in the parent's tab order
    bool visible = true;
    bool enabled = true;
};

// The program's one window.
class TForm1 : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption)

public:
    TForm1(const ProgramFolders &folders, FormServices services, QWidget *parent = nullptr);
    ~TForm1() override;

    QString Caption() const;
    TrainingModel &model() { return m_model; }
    BankEditor &editor() { return m_editor; }
    QString statusHint() const;
    // The pupil training, named in the welcome ("王小明，欢迎使用！").
    void greet(const QString &pupil);
    // The custom bank is being read or written off the interface thread.
    bool bankBusy() const { return !m_bankWorkHint.isEmpty(); }

    // The idle step of the hint line for a pointer at this screen point.
    void updateHint(QPoint globalPos);

    // Frame and client panel.
    TXP_Form *XP_Form1;
    PlainPanel *Panel2;
    QStatusBar *StatusBar1;
    QLabel *StatusPanel0;
    QTimer *Timer1;

    // Selection panel.
    TFlatPanel *FlatPanel1;
    TantLabel *antLabel1;
    QLabel *Label20, *Label21, *Label22;
    TFlatComboBox *FlatComboBox1, *FlatComboBox2, *FlatComboBox3;
    TXP_Button *FlatButton6, *FlatButton1, *FlatButton7, *XP_Button1, *FlatButton8, *FlatButton2;
    TXP_Url *XP_Url1;

    // Welcome picture.
    TFlatPanel *FlatPanel2;
    TDsFramedImage *DsFramedImage1;

    // Training panel.
    PlainPanel *Panel1;
    QLabel *Label6, *Label7, *Label1;
    NoticeLabel *Label4;
    QWidget *MediaPlayer1;
    TFlatGroupBox *FlatGroupBox1;
    QLabel *Label11, *Label12, *Label13, *Label14, *Label15, *Label16, *Label17, *Label18;
    TFlatMemo *FlatMemo1;
    TFlatEdit *FlatEdit2;
    TFlatButton *FlatButton5;
    TXP_Button *FlatButton3, *FlatButton4;
    TFlatListBox *FlatListBox1, *FlatListBox2;

    // Query panel.
    TFlatPanel *FlatPanel3;
    QLabel *Label8;
    TFlatMemo *FlatMemo2;

    // Bank editor panel.
    TFlatPanel *FlatPanel4;
    QLabel *Label9, *Label10, *Label19;
    PickListView *ListBox7, *ListBox8;
    TFlatEdit *FlatEdit6, *FlatEdit7;
    TXP_Button *FlatButton13, *FlatButton14, *FlatButton15, *FlatButton16, *FlatButton17, *FlatButton11,
        *FlatButton12;

    // About panel.
    TFlatPanel *FlatPanel5, *FlatPanel7;
    QLabel *Image2, *Label29;
    TXP_Url *XP_Url2, *XP_Url3;
    TFlatMemo *FlatMemo3;

    void FormCreate();
    void ShowHint();
    void FlatComboBox1Change();
    void FlatComboBox2Change();
    void FlatComboBox3Change();
    void FlatButton6Click();
    void FlatButton1Click();
    void FlatButton2Click();
    void FlatButton5Click();
    // Enter, with any shift state, submits the answer; true when handled.
    bool FlatEdit2KeyDown(int key);
    void Timer1Timer();
    void FlatButton7Click();
    void FlatButton8Click();
    void ListBox7Click();
    void ListBox8Click();
    void FlatButton11Click();
    void FlatButton12Click();
    void FlatButton13Click();
    void FlatButton14Click();
    void FlatButton15Click();
    void FlatButton16Click();
    void FlatButton17Click();
    void XP_Button1Click();

    // The desktop session ends: a run under way is finished and recorded
    // without a question, and the window closes without asking. Unsaved
    // editor rows are asked about only when the session allows it; false
    // when the user keeps the window open.
    bool endForSessionEnd(bool mayAsk);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // The hint panel takes a hint of that many characters whole.
    void widenHintPanel(qsizetype characters);
    // What "退    出", "结束训练" and closing the window ask before the
    // program ends; false when the user keeps it open. Throws when the
    // record or the bank cannot be written.
    bool confirmEnd();
    bool confirmEditorSaved();
    void createControls();
    void applyTabOrder();
    static void lowerGraphicControls(QWidget *container);
    void connectEvents();
    void showModelText(TrainingText label, const QString &text);
    void showRunView(const RunView &view);
    void guarded(const std::function<void()> &action);
    void keepKeysOnAnswer();
    void startBankWork(const QString &hint, std::function<std::function<void()>()> work);
    void finishBankWork();
    void openRecord();
    void closeViewer();
    // The views of the client panel: one of the left area's panels beside
    // the selection panel, or the training panel over both.
    enum class ClientView { Welcome, Query, Editor, About, Training };
    void showView(ClientView view);
    void connectEditorList(PickListView *list, void (TForm1::*handler)());

    template <class Control>
    Control *add(QWidget *parent, const char *name, QRect place, const ControlLook &look = {});

    FormServices m_services;
    TrainingModel m_model;
    BankEditor m_editor;
    bool m_handling = false; // a handler runs: selection changes are its own
    bool m_endConfirmed = false; // the window closes without asking again
    bool m_viewerOpen = false;   // "查    询" closes the viewer on its next press
    // Reading or writing the custom bank off the interface thread: the work
    // gives back what finishes it on this thread.
    QFutureWatcher<std::function<void()>> m_bankWork;
    QString m_bankWorkHint; // shown meanwhile; empty when no work is under way
    QString m_applicationHint;
    QHash<QWidget *, int> m_tabOrders;
    // The label that shows each of the model's texts, in the order of TrainingText.
    std::array<QLabel *, kTrainingTextCount> m_trainingLabels{};
};
