#pragma once

#include "text/LineListModel.h"
#include "training/BankPair.h"

#include <QObject>

#include <exception>

// The custom bank editor: the question and answer lists kept row by row in
// step, the remembered row that Modify and Delete act on, and the two fields
// that Add and Modify write.
class BankEditor : public QObject
{
    Q_OBJECT

public:
    explicit BankEditor(QString appDir, QObject *parent = nullptr);

    LineListModel *questions() { return &m_questions; }
    LineListModel *answers() { return &m_answers; }
    int rememberedRow() const { return m_rememberedRow; }
    bool rowPicked() const { return m_rowPicked; }

    // Empties both lists, then loads the question file and the answer file.
    // Throws FileOpenError; what was loaded before the failure stays.
    void open();
    // The same in two halves, so that the reading can leave the interface
    // thread: load() reads the pair on any thread and never throws, show()
    // empties the lists, shows what was read and throws what went wrong.
    struct Loaded
    {
        LineStore questions;
        LineStore answers;
        std::exception_ptr error;
    };
    Loaded load() const;
    void show(const Loaded &loaded);
    // A row picked in either list: its question, then its answer, go into
    // the fields. Throws ListIndexError when a list has no such row.
    void pickRow(int row);
    void add(const QString &question, const QString &answer);
    // Does nothing when the remembered row no longer exists in both lists.
    void modify(const QString &question, const QString &answer);
    void removeRememberedRow();
    // Replaces both files as one pair. Throws FileCreateError, leaving the
    // old pair.
    void save();
    // The same in two halves, so that the writing can leave the interface
    // thread: the rows as they are now, written by write() on any thread
    // while nothing touches the bank, then saved() once it has succeeded.
    struct Snapshot
    {
        BankPair bank;
        LineStore questions;
        LineStore answers;
        void write() const;
    };
    Snapshot snapshot() const;
    void saved()
    {
        m_modified = false;
        emit bankSaved();
    }
    // Rows added, changed or deleted since the bank was opened or saved.
    bool modified() const { return m_modified; }

signals:
    // The custom bank now holds the editor's rows.
    void bankSaved();
    void questionFieldChanged(const QString &text);
    void answerFieldChanged(const QString &text);
    void rowPickedChanged(bool picked);

private:
    BankPair bankPair() const;

    QString m_appDir;
    LineListModel m_questions;
    LineListModel m_answers;
    int m_rememberedRow = 0;
    bool m_rowPicked = false;
    bool m_modified = false;
};
