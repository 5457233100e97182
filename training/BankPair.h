#pragma once

#include "training/ProgramFolders.h"

#include <QByteArray>
#include <QString>

#include <optional>

// A bank's two files, questions and answers, replaced as one. Both new files
// are written beside the old ones, a journal then marks them complete, and
// both are renamed over the old pair; whoever reads the pair first finishes
// or undoes a replacement a crash interrupted. So after a crash at any point
// the old pair or the new pair is read, never one file of each.
class BankPair
{
public:
    BankPair(QString questionPath, QString answerPath);
    // The bank of a training range: the custom bank is the user's, the
    // others are delivered.
    static BankPair ofRange(const ProgramFolders &folders, int rangeIndex);
    // The custom bank that the editor and the practice bank write.
    static BankPair custom(const QString &userFolder) { return ofRange(userFolder, 0); }
    // The same pair with a suffix after each name ("make.tm.bak").
    BankPair withSuffix(const QString &suffix) const;

    const QString &questionPath() const { return m_questions; }
    const QString &answerPath() const { return m_answers; }
    QString journalPath() const { return m_questions + QStringLiteral(".commit"); }

    // Finishes or undoes an interrupted replacement. Throws FileOpenError
    // when a journalled pair cannot be put in place.
    void recover() const;
    // Whether either file is there.
    bool exists() const;
    // Both files' bytes, a missing one as none; nothing when neither
    // exists. Throws FileOpenError for a file that cannot be read.
    std::optional<std::pair<QByteArray, QByteArray>> read() const;
    // Throws FileCreateError; the old pair stays until the journal is
    // written, the new one is read from then on.
    void replace(const QByteArray &questions, const QByteArray &answers) const;

private:
    // Puts journalled new files in place; the path that could not be
    // replaced, or nothing.
    QString finishJournalled() const;

    QString m_questions;
    QString m_answers;
};
