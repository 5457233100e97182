#pragma once

#include "support/FakeSound.h"
#include "text/TextFile.h"
#include "training/TrainingModel.h"

#include <QDir>
#include <QFile>
#include <QObject>
#include <QTemporaryDir>
#include <QTest>

// A training model over a fresh program folder with a fixed date and a
// silent sound output, for tests of runs and their records.
class RunTestBase : public QObject
{
protected:
    void resetRun()
    {
        m_appDir = std::make_unique<QTemporaryDir>();
        QDir(m_appDir->path()).mkdir("data");
        QDir(m_appDir->path()).mkdir("job");
        m_sound = FakeSound();
        m_model = std::make_unique<TrainingModel>(m_appDir->path(), &m_sound);
        m_model->fixRecordPath([] { return QStringLiteral("2026-12-8"); });
    }

    void writeBank(const QStringList &questions, const QStringList &answers)
    {
        TextFile::writeLines(m_appDir->filePath("data/make.tm"), questions);
        TextFile::writeLines(m_appDir->filePath("data/make.da"), answers);
    }

    // Range 0 with the given mode and amount, entered and loaded.
    void enter(int mode, const QString &amount)
    {
        m_model->selectRange(0);
        m_model->selectMode(mode);
        m_model->selectAmount(0, amount);
        QVERIFY(m_model->choiceComplete());
        m_model->writeRangeTitle();
        m_model->writeTrainingTexts();
        m_model->loadBank();
    }

    void answer(const QString &text) { m_model->answerStep(text); }
    void start() { answer(QString()); }

    QByteArray recordBytes() const
    {
        QFile file(m_model->state().RecordPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // One question per line index, its answer the index itself.
    static void indexBank(int size, QStringList &questions, QStringList &answers)
    {
        for (int i = 0; i < size; ++i) {
            questions.append(QStringLiteral("Q%1=").arg(i));
            answers.append(QString::number(i));
        }
    }

    std::unique_ptr<QTemporaryDir> m_appDir;
    FakeSound m_sound;
    std::unique_ptr<TrainingModel> m_model;
};
