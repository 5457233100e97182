#pragma once

#include "report/ClassReport.h"
#include "report/RunCollection.h"
#include "platform/UserDialogs.h"
#include "training/MistakeBook.h"
#include "training/ProgramFolders.h"

#include <QFutureWatcher>
#include <QMainWindow>
#include <QThreadPool>

#include <atomic>
#include <memory>

class FluencyTab;
class ProgressChart;
class QLabel;
class QProgressBar;
class QPushButton;
class QStandardItem;
class QStandardItemModel;
class QTableView;
class QTabWidget;
class WorksheetTab;

// The report for parents and teachers: the runs of one or more job folders
// as a table and a chart, and the 错题本 with its practice bank.
class ReportWindow : public QMainWindow
{
    Q_OBJECT

public:
    // The user's folder holds the custom bank that "练习错题" replaces, the
    // delivered one the banks of the 口算题卡; the questions and errors go
    // through the dialogs.
    ReportWindow(const ProgramFolders &folders, UserDialogs *dialogs, QWidget *parent = nullptr);
    ~ReportWindow() override;

    // Reads the folders off the interface thread; loaded() follows. A
    // reading still under way is abandoned.
    void openFolders(const QStringList &folders);
    // Reads a class folder off the interface thread into the 班级 tab;
    // classLoaded() follows.
    void openClass(const QString &classFolder);
    const ClassRecords &classRecords() const { return m_class; }
    QTableView *classTable() const { return m_classTable; }
    // Shows a pupil of the class in the other tabs, or the class again.
    void showPupil(int pupil);
    void showWholeClass();
    // Each pupil's practice bank, asked first.
    void practiseClass();
    void addFolders(const QStringList &folders);
    const QStringList &folders() const { return m_folders; }
    const RunCollection &collection() const { return m_collection; }
    const QList<Mistake> &mistakes() const { return m_mistakes; }
    // The mistakes ticked in the 错题本.
    QList<Mistake> chosenMistakes() const;

    QTableView *runTable() const { return m_runTable; }
    QTableView *mistakeTable() const { return m_mistakeTable; }
    QTableView *masteredTable() const { return m_masteredTable; }
    ProgressChart *chart() const { return m_chart; }
    QPushButton *practiceButton() const { return m_practiceButton; }
    QPushButton *restoreButton() const { return m_restoreButton; }
    WorksheetTab *worksheetTab() const { return m_worksheets; }
    FluencyTab *fluencyTab() const { return m_fluency; }

    void practise();
    // Puts the teacher's own bank back after practice banks.
    void restoreBank();

signals:
    void loaded();
    void classLoaded();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool confirm(const QString &question);
    // The custom bank's folder as the user knows it.
    QString bankFolderText() const;
    void buildMenus();
    // The table the sort menu sorts.
    QTableView *sortedTable() const;
    // Ticks or unticks a practicable row of the 错题本, as shown.
    void toggleTick(int shownRow);
    void tellTick(QStandardItem *item);
    void chooseFolder(bool add);
    void chooseClass();
    void newClass();
    void saveClassSheets(int source);
    void buildClassPage();
    void showClass();
    void cancelReadings();
    std::function<void(int, int)> readingProgress();
    // The reading under way abandoned at the user's word.
    void stopReading();
    void readingEnded();
    void showCollection();
    void exportCsv(bool mistakes);
    void exportChart();
    QString saveName(const QString &title, const QString &suggested, const QString &filter);

    QString m_programFolder; // whose bank 练习错题 replaces: the user's, or a class pupil's
    QString m_ownFolder;
    UserDialogs *m_dialogs;
    ClassRecords m_class;
    QFutureWatcher<ClassRecords> m_classReading;
    QList<QFuture<ClassRecords>> m_abandonedClassReadings;
    QWidget *m_classPage = nullptr;
    QStandardItemModel *m_classRows;
    QStandardItemModel *m_classMistakeRows;
    QTableView *m_classTable = nullptr;
    QTableView *m_classMistakeTable = nullptr;
    QTabWidget *m_tabs;
    QPushButton *m_wholeClassButton;
    QPushButton *m_stopButton;
    QStringList m_folders;
    RunCollection m_collection;
    QList<Mistake> m_mistakes;
    QThreadPool m_readingThreads;
    QFutureWatcher<RunCollection> m_reading;
    std::shared_ptr<std::atomic<bool>> m_cancelReading = std::make_shared<std::atomic<bool>>(false);
    QList<QFuture<RunCollection>> m_abandonedReadings;
    QStandardItemModel *m_runs;
    QStandardItemModel *m_mistakeRows;
    QStandardItemModel *m_masteredRows;
    QStandardItemModel *m_skippedRows;
    QTableView *m_runTable;
    QTableView *m_mistakeTable;
    QTableView *m_masteredTable;
    ProgressChart *m_chart;
    QPushButton *m_practiceButton;
    QPushButton *m_restoreButton;
    WorksheetTab *m_worksheets;
    FluencyTab *m_fluency;
    QLabel *m_status;
    QProgressBar *m_progress;
};
