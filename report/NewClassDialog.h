#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

// "新建班级": a class's name, the folder it goes in and its roster, typed,
// pasted from a spreadsheet or read from a file.
class NewClassDialog : public QDialog
{
    Q_OBJECT

public:
    explicit NewClassDialog(const QString &parentFolder, QWidget *parent = nullptr);

    // The class folder asked for: the name inside the chosen folder.
    QString classFolder() const;
    QByteArray roster() const;
    // Why the name or the folder cannot be taken, or nothing.
    QString problem() const;

private:
    void readRosterFile();

    QLineEdit *m_name;
    QLineEdit *m_parentFolder;
    QPlainTextEdit *m_roster;
};
