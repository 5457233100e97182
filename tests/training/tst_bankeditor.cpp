#include "training/BankEditor.h"
#include "text/Errors.h"
#include "text/TextFile.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestBankEditor : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void opensBothFilesRowByRow();
    void openFailures_data();
    void openFailures();
    void pickCopiesRowIntoFields();
    void pickWithoutPartnerRow_data();
    void pickWithoutPartnerRow();
    void addAppendsAtEndAsTyped();
    void answerThatIsNoNumberIsRefused_data();
    void answerThatIsNoNumberIsRefused();
    void modifyWritesRememberedRow();
    void modifyPastEndChangesNothing();
    void deleteTwiceRemovesMovedUpRow();
    void deletePastEndRemovesNothing();
    void saveWritesBothFilesWhole();
    void saveFailureKeepsTheOldPair();
    void nulIsKeptAndShownAsAMark();
    void editsMarkTheBankModified();
    void saveKeepsBytesThatAreNoGbk();
    void saveUnderAFileKeepsTheEdits();

private:
    QStringList fileLines(const QString &name) const { return TextFile::readLines(m_dir->filePath("data/" + name)); }
    QStringList questions() { return m_editor->questions()->lines().toList(); }
    QStringList answers() { return m_editor->answers()->lines().toList(); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<BankEditor> m_editor;
    QString m_questionField;
    QString m_answerField;
};

void TestBankEditor::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QDir(m_dir->path()).mkdir("data");
    TextFile::writeLines(m_dir->filePath("data/make.tm"), {"1+1=", "2×3=", "8÷4="});
    TextFile::writeLines(m_dir->filePath("data/make.da"), {"2", "6", "2"});
    m_editor = std::make_unique<BankEditor>(m_dir->path());
    m_questionField = m_answerField = "untouched";
    connect(m_editor.get(), &BankEditor::questionFieldChanged, this, [this](const QString &t) { m_questionField = t; });
    connect(m_editor.get(), &BankEditor::answerFieldChanged, this, [this](const QString &t) { m_answerField = t; });
}

void TestBankEditor::opensBothFilesRowByRow()
{
    m_editor->open();
    QCOMPARE(questions(), (QStringList{"1+1=", "2×3=", "8÷4="}));
    QCOMPARE(answers(), (QStringList{"2", "6", "2"}));
    m_editor->add("x", "1");
    m_editor->open(); // reloads from the files
    QCOMPARE(questions().size(), 3);
}

void TestBankEditor::openFailures_data()
{
    QTest::addColumn<QString>("missing");
    QTest::addColumn<int>("questionRows");
    QTest::newRow("question file") << "make.tm" << 0;
    QTest::newRow("answer file") << "make.da" << 3;
}

void TestBankEditor::openFailures()
{
    QFETCH(QString, missing);
    QFETCH(int, questionRows);
    m_editor->open();
    QVERIFY(QFile::remove(m_dir->filePath("data/" + missing)));
    try {
        m_editor->open();
        QFAIL("opened");
    } catch (const FileOpenError &error) {
        QCOMPARE(error.text(), "Cannot open file " + m_dir->path() + "/data/" + missing);
    }
    QCOMPARE(questions().size(), questionRows);
    QCOMPARE(answers().size(), 0);
}

void TestBankEditor::pickCopiesRowIntoFields()
{
    m_editor->open();
    QSignalSpy picked(m_editor.get(), &BankEditor::rowPickedChanged);
    m_editor->pickRow(1);
    QCOMPARE(m_questionField, QStringLiteral("2×3="));
    QCOMPARE(m_answerField, QStringLiteral("6"));
    QCOMPARE(m_editor->rememberedRow(), 1);
    QVERIFY(m_editor->rowPicked());
    m_editor->pickRow(2);
    QCOMPARE(m_questionField, QStringLiteral("8÷4="));
    QCOMPARE(picked.count(), 1);
}

void TestBankEditor::pickWithoutPartnerRow_data()
{
    QTest::addColumn<bool>("questionsLonger");
    QTest::addColumn<QString>("questionField");
    QTest::newRow("question list longer") << true << "4-1=";
    QTest::newRow("answer list longer") << false << "untouched";
}

void TestBankEditor::pickWithoutPartnerRow()
{
    QFETCH(bool, questionsLonger);
    QFETCH(QString, questionField);
    if (questionsLonger)
        TextFile::writeLines(m_dir->filePath("data/make.tm"), {"1+1=", "2×3=", "8÷4=", "4-1="});
    else
        TextFile::writeLines(m_dir->filePath("data/make.da"), {"2", "6", "2", "3"});
    m_editor->open();
    try {
        if (questionsLonger)
            m_editor->pickRow(3);
        else
            m_editor->pickRow(3);
        QFAIL("picked");
    } catch (const ListIndexError &error) {
        QCOMPARE(error.text(), QStringLiteral("List index out of bounds (3)"));
    }
    QCOMPARE(m_editor->rememberedRow(), 3);
    QCOMPARE(m_questionField, questionField);
    QCOMPARE(m_answerField, QStringLiteral("untouched"));
    QVERIFY(!m_editor->rowPicked());
}

void TestBankEditor::addAppendsAtEndAsTyped()
{
    m_editor->open();
    m_editor->pickRow(1);
    m_editor->add("", "0");
    m_editor->add("5×5=", "25");
    m_editor->add("5×5=", " 25");
    m_editor->add("7÷2=", "3.5");
    m_editor->add("5÷2=", "２。５"); // a Chinese input method's full-width mode
    QCOMPARE(questions(), (QStringList{"1+1=", "2×3=", "8÷4=", "", "5×5=", "5×5=", "7÷2=", "5÷2="}));
    QCOMPARE(answers(), (QStringList{"2", "6", "2", "0", "25", " 25", "3.5", "2.5"}));
    QCOMPARE(m_editor->rememberedRow(), 1);
}

void TestBankEditor::answerThatIsNoNumberIsRefused_data()
{
    QTest::addColumn<QString>("answer");
    QTest::newRow("word") << "abc";
    QTest::newRow("empty") << "";
    QTest::newRow("number and more") << "25道";
}

void TestBankEditor::answerThatIsNoNumberIsRefused()
{
    QFETCH(QString, answer);
    m_editor->open();
    m_editor->pickRow(1);
    QVERIFY_THROWS_EXCEPTION(NumoraError, m_editor->add("5×5=", answer));
    try {
        m_editor->modify("5×5=", answer);
        QFAIL("modified");
    } catch (const NumoraError &error) {
        QCOMPARE(error.text(), QStringLiteral("答案“%1”不是一个数，这道题没有修改。").arg(answer));
    }
    QCOMPARE(questions(), (QStringList{"1+1=", "2×3=", "8÷4="}));
    QCOMPARE(answers(), (QStringList{"2", "6", "2"}));
    QVERIFY(!m_editor->modified());
}

void TestBankEditor::modifyWritesRememberedRow()
{
    m_editor->open();
    m_editor->pickRow(1);
    m_editor->modify("3×3=", "9");
    QCOMPARE(questions(), (QStringList{"1+1=", "3×3=", "8÷4="}));
    QCOMPARE(answers(), (QStringList{"2", "9", "2"}));
}

void TestBankEditor::modifyPastEndChangesNothing()
{
    TextFile::writeLines(m_dir->filePath("data/make.tm"), {"1+1=", "2×3=", "8÷4=", "4-1="});
    m_editor->open();
    QVERIFY_THROWS_EXCEPTION(ListIndexError, m_editor->pickRow(3));
    m_editor->modify("x", "y"); // row 3 has no answer: the lists stay as they are
    QCOMPARE(questions().last(), QStringLiteral("4-1="));
    QCOMPARE(answers().size(), 3);

    m_editor->open();
    m_editor->pickRow(2);
    m_editor->removeRememberedRow();
    m_editor->modify("x", "y");
    QCOMPARE(questions(), (QStringList{"1+1=", "2×3=", "4-1="}));
    QCOMPARE(answers(), (QStringList{"2", "6"}));
}

void TestBankEditor::deleteTwiceRemovesMovedUpRow()
{
    m_editor->open();
    m_editor->pickRow(0);
    m_editor->removeRememberedRow();
    QCOMPARE(m_questionField, QStringLiteral("1+1=")); // the fields stay
    m_editor->removeRememberedRow();
    QCOMPARE(questions(), QStringList{"8÷4="});
    QCOMPARE(answers(), QStringList{"2"});
    QCOMPARE(m_editor->rememberedRow(), 0);
    QVERIFY(m_editor->rowPicked());
}

void TestBankEditor::deletePastEndRemovesNothing()
{
    m_editor->open();
    m_editor->pickRow(2);
    m_editor->removeRememberedRow();
    m_editor->removeRememberedRow();
    QCOMPARE(questions(), (QStringList{"1+1=", "2×3="}));
    QCOMPARE(answers(), (QStringList{"2", "6"}));
    QVERIFY(m_editor->rowPicked());
}

void TestBankEditor::saveWritesBothFilesWhole()
{
    m_editor->open();
    m_editor->add("", "0");
    m_editor->add("9÷3=", "3");
    m_editor->save();
    QFile questionFile(m_dir->filePath("data/make.tm"));
    QVERIFY(questionFile.open(QIODevice::ReadOnly));
    QCOMPARE(questionFile.readAll(), QByteArray("1+1=\r\n2\xA1\xC1" "3=\r\n8\xA1\xC2" "4=\r\n\r\n9\xA1\xC2" "3=\r\n"));
    QCOMPARE(fileLines("make.da"), (QStringList{"2", "6", "2", "0", "3"}));
    QCOMPARE(QDir(m_dir->filePath("data")).entryList(QDir::Files).size(), 2); // no temporary files left
}

void TestBankEditor::saveFailureKeepsTheOldPair()
{
    m_editor->open();
    m_editor->add("7×7=", "49");
    QVERIFY(QFile::remove(m_dir->filePath("data/make.da")));
    QVERIFY(QDir(m_dir->filePath("data")).mkdir("make.da")); // nothing can be written there
    try {
        m_editor->save();
        QFAIL("saved");
    } catch (const FileCreateError &error) {
        QCOMPARE(error.text(), "Cannot create file " + m_dir->path() + "/data/make.da: 这不是普通文件；原题库没有改动");
    }
    // New questions with old answers would give every question another's answer.
    QCOMPARE(fileLines("make.tm"), (QStringList{"1+1=", "2×3=", "8÷4="}));
    QVERIFY(m_editor->modified());
}

// Once "完成" wrote the text up to the first NUL and the rest of the bank was gone.
void TestBankEditor::nulIsKeptAndShownAsAMark()
{
    const QByteArray bank("1+1=\r\n2+\x00" "2=\r\n\x00\x00\x00\r\n3+3=\r\n", 24);
    QFile file(m_dir->filePath("data/make.tm"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bank);
    file.close();
    TextFile::writeLines(m_dir->filePath("data/make.da"), {"2", "4", "0", "6"});
    m_editor->open();
    QCOMPARE(m_editor->questions()->rowCount(), 4);
    const QModelIndex second = m_editor->questions()->index(1);
    QCOMPARE(second.data(Qt::DisplayRole).toString(), QStringLiteral("2+␀2="));
    m_editor->pickRow(1);
    m_editor->modify(m_questionField, "4"); // the row as it was picked
    m_editor->save();
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bank);
}

void TestBankEditor::editsMarkTheBankModified()
{
    m_editor->open();
    QVERIFY(!m_editor->modified());
    m_editor->pickRow(0);
    QVERIFY(!m_editor->modified()); // picking is no edit
    m_editor->removeRememberedRow();
    QVERIFY(m_editor->modified());
    m_editor->save();
    QVERIFY(!m_editor->modified());
    m_editor->add("", "0");
    QVERIFY(m_editor->modified());
    m_editor->open();
    QVERIFY(!m_editor->modified());
}

void TestBankEditor::saveUnderAFileKeepsTheEdits()
{
    m_editor->open();
    m_editor->add("7×7=", "49");
    QVERIFY(QDir(m_dir->filePath("data")).removeRecursively());
    QFile plain(m_dir->filePath("data"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    QVERIFY_THROWS_EXCEPTION(FileCreateError, m_editor->save());
    QCOMPARE(questions().last(), QStringLiteral("7×7="));
    QCOMPARE(answers().last(), QStringLiteral("49"));
}

void TestBankEditor::saveKeepsBytesThatAreNoGbk()
{
    const QByteArray questions("1\xFF+\x80" "1=\r\n\x81\x30\x81\x30\r\n\xD1\xB5\xB0\r\n");
    QFile file(m_dir->filePath("data/make.tm"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(questions);
    file.close();
    m_editor->open();
    m_editor->pickRow(1);
    m_editor->modify(m_questionField, "7");
    m_editor->save();
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), questions);
}

QTEST_GUILESS_MAIN(TestBankEditor)
#include "tst_bankeditor.moc"
