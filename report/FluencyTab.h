#pragma once

#include "report/ClassReport.h"
#include "report/FluencyReport.h"
#include "platform/UserDialogs.h"
#include "training/ProgramFolders.h"

#include <QPrinter>
#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QStandardItemModel;
class QTableView;
class QTableWidget;

// The 熟练度 tab: the fact maps of a child (each fact's state) or of a
// class (the share of pupils fluent in it), the other questions' table,
// the time limit, 今日练习, and the map as a picture or on paper.
class FluencyTab : public QWidget
{
    Q_OBJECT

public:
    FluencyTab(ProgramFolders program, UserDialogs *dialogs, QWidget *parent = nullptr);

    // A child's records judged with their time limit, which a choice here
    // keeps in settingFolder; today's practice goes to appDir's custom bank.
    void showChild(const QList<RecordedRun> &runs, int limitSeconds, const QString &settingFolder,
                   const QString &appDir);
    void showClass(const ClassRecords &records);

    QTableWidget *grid(FactFluency::Grid grid) const { return m_grids.at(int(grid)); }
    // The maps and the table as one picture.
    QImage picture() const;

    void writeToday();

signals:
    // Said in the window's status line.
    void told(const QString &text);

private:
    void refresh();
    void limitChosen();
    void clearGrids();
    void exportPicture();
    void print();

    ProgramFolders m_program;
    UserDialogs *m_dialogs;
    QList<Fact> m_facts; // the child's
    QList<QList<Fact>> m_pupils; // the class's, when one is shown
    QString m_settingFolder;
    QString m_appDir;
    bool m_class = false;
    QLabel *m_explanation;
    QComboBox *m_limit;
    QPushButton *m_today;
    QWidget *m_maps;
    std::array<QTableWidget *, 4> m_grids{};
    QStandardItemModel *m_otherRows;
    QTableView *m_otherTable;
    QPrinter m_printer;
};
