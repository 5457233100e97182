#include "text/Errors.h"
#include "text/TextFile.h"
#include "training/TrainingModel.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestTrainingModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void startsWithNothingChosen();
    void refillsAmountsForMode_data();
    void refillsAmountsForMode();
    void modeChangeKeepsChosenAmount();
    void customAmount_data();
    void customAmount();
    void customAmountErrorKeepsEarlierChoice();
    void choiceMustBeComplete_data();
    void choiceMustBeComplete();
    void writesTrainingTexts_data();
    void writesTrainingTexts();
    void loadsBank();
    void missingAnswerFileLoadsNeither();
    void missingQuestionFileKeepsAnswers();
    void fixesRecordPath();

private:
    void writeBank(const QString &stem, const QStringList &questions, const QStringList &answers);

    std::unique_ptr<QTemporaryDir> m_appDir;
    std::unique_ptr<TrainingModel> m_model;
};

void TestTrainingModel::init()
{
    m_appDir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(m_appDir->path()).mkdir("data"));
    m_model = std::make_unique<TrainingModel>(m_appDir->path(), nullptr);
}

void TestTrainingModel::writeBank(const QString &stem, const QStringList &questions, const QStringList &answers)
{
    if (!questions.isEmpty())
        TextFile::writeLines(m_appDir->filePath("data/" + stem + ".tm"), questions);
    if (!answers.isEmpty())
        TextFile::writeLines(m_appDir->filePath("data/" + stem + ".da"), answers);
}

void TestTrainingModel::startsWithNothingChosen()
{
    const TrainingState &s = m_model->state();
    QCOMPARE(s.RangeIndex, -1);
    QCOMPARE(s.ModeIndex, -1);
    QCOMPARE(s.AmountIndex, -1);
    QCOMPARE(s.AmountText, QStringLiteral("请选择："));
    QVERIFY(!m_model->run());
    QCOMPARE(m_model->text(TrainingText::Question), QStringLiteral("题目"));
    QCOMPARE(m_model->text(TrainingText::Used), QString());
    QVERIFY(!m_model->choiceComplete());
}

void TestTrainingModel::refillsAmountsForMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("amounts");
    const QStringList seconds{"60", "120", "180", "240", "300", "600"};
    const QStringList questions{"10", "50", "100", "200", "500", "1000"};
    QTest::newRow("timed") << 0 << seconds;
    QTest::newRow("counted") << 1 << questions;
    QTest::newRow("none current") << -1 << questions;
}

void TestTrainingModel::refillsAmountsForMode()
{
    QFETCH(int, mode);
    QFETCH(QStringList, amounts);
    QCOMPARE(m_model->selectMode(mode), amounts);
    QCOMPARE(m_model->state().ModeIndex, mode);
}

void TestTrainingModel::modeChangeKeepsChosenAmount()
{
    m_model->selectRange(3);
    m_model->selectMode(0);
    m_model->selectAmount(4, "300");
    m_model->selectMode(1);
    QCOMPARE(m_model->state().AmountIndex, 4);
    QCOMPARE(m_model->state().AmountText, QStringLiteral("300"));
    QVERIFY(m_model->choiceComplete());
    m_model->writeTrainingTexts();
    QCOMPARE(m_model->text(TrainingText::ModeLine), QStringLiteral("训练方式：计题    训练题量：300道"));
}

void TestTrainingModel::customAmount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("amountIndex");
    QTest::addColumn<bool>("complete");
    QTest::newRow("default of a cancelled box") << "300" << 300 << true;
    QTest::newRow("negative") << "-5" << -5 << false;
    QTest::newRow("zero") << "0" << 0 << true;
    QTest::newRow("hex") << "$10" << 16 << true;
}

void TestTrainingModel::customAmount()
{
    QFETCH(QString, text);
    QFETCH(int, amountIndex);
    QFETCH(bool, complete);
    m_model->selectRange(0);
    m_model->selectMode(1);
    m_model->enterCustomAmount(text);
    QCOMPARE(m_model->state().AmountIndex, amountIndex);
    QCOMPARE(m_model->state().AmountText, text);
    QCOMPARE(m_model->choiceComplete(), complete);
}

void TestTrainingModel::customAmountErrorKeepsEarlierChoice()
{
    m_model->selectRange(0);
    m_model->selectMode(0);
    try {
        m_model->enterCustomAmount("abc");
        QFAIL("accepted");
    } catch (const ConvertError &error) {
        QCOMPARE(error.text(), QStringLiteral("'abc' is not a valid integer value"));
    }
    QCOMPARE(m_model->state().AmountText, QStringLiteral("abc"));
    QCOMPARE(m_model->state().AmountIndex, -1);
    QVERIFY(!m_model->choiceComplete());

    m_model->selectAmount(0, "60");
    QVERIFY_THROWS_EXCEPTION(ConvertError, m_model->enterCustomAmount("12 "));
    QCOMPARE(m_model->state().AmountIndex, 0);
    QVERIFY(m_model->choiceComplete());
}

void TestTrainingModel::choiceMustBeComplete_data()
{
    QTest::addColumn<int>("range");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("amount");
    QTest::addColumn<bool>("complete");
    QTest::newRow("all") << 0 << 0 << 0 << true;
    QTest::newRow("no amount") << 2 << 1 << -1 << false;
    QTest::newRow("no mode") << 2 << -1 << 3 << false;
    QTest::newRow("no range") << -1 << 0 << 3 << false;
}

void TestTrainingModel::choiceMustBeComplete()
{
    QFETCH(int, range);
    QFETCH(int, mode);
    QFETCH(int, amount);
    QFETCH(bool, complete);
    m_model->selectRange(range);
    m_model->selectMode(mode);
    m_model->selectAmount(amount, "60");
    QCOMPARE(m_model->choiceComplete(), complete);
}

void TestTrainingModel::writesTrainingTexts_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QStringList>("texts"); // Label7, Label11 to Label18
    QTest::newRow("timed")
        << 0 << "60"
        << QStringList{"训练方式：计时    训练时间：60秒", "规定时间：", "剩余时间：", "完成题数：", "正确题数：",
                       "60秒", "60秒", "0道", "0道"};
    QTest::newRow("counted")
        << 1 << "100"
        << QStringList{"训练方式：计题    训练题量：100道", "规定题数：", "剩余题数：", "使用时间：", "正确题数：",
                       "100道", "100道", "0秒", "0道"};
}

void TestTrainingModel::writesTrainingTexts()
{
    QFETCH(int, mode);
    QFETCH(QString, amount);
    QFETCH(QStringList, texts);
    m_model->selectRange(2);
    m_model->selectMode(mode);
    m_model->selectAmount(0, amount);
    m_model->writeRangeTitle();
    m_model->writeTrainingTexts();
    QCOMPARE(m_model->text(TrainingText::RangeTitle), QStringLiteral("您正在进行的是  3、20以内二步加减法  训练"));
    const QList<TrainingText> labels{TrainingText::ModeLine,  TrainingText::AmountCaption, TrainingText::LeftCaption,
                                      TrainingText::UsedCaption, TrainingText::RightCaption, TrainingText::Amount,
                                      TrainingText::Left, TrainingText::Used, TrainingText::Right};
    for (int i = 0; i < labels.size(); ++i)
        QCOMPARE(m_model->text(labels.at(i)), texts.at(i));
    QCOMPARE(m_model->text(TrainingText::Question), QStringLiteral("题目"));
}

void TestTrainingModel::loadsBank()
{
    writeBank("kj", {"2×3=", "6÷2=", "4×4="}, {"6", "3", "16"});
    m_model->selectRange(6);
    QSignalSpy questionSpy(m_model.get(), &TrainingModel::questionLinesChanged);
    m_model->loadBank();
    QCOMPARE(m_model->questionLines().toList(), (QStringList{"2×3=", "6÷2=", "4×4="}));
    QCOMPARE(m_model->answerLines().toList(), (QStringList{"6", "3", "16"}));
    QCOMPARE(questionSpy.count(), 2); // emptied, then loaded
    QCOMPARE(questionSpy.last().at(0).value<LineStore>().size(), 3);
}

void TestTrainingModel::missingAnswerFileLoadsNeither()
{
    writeBank("make", {"1+1="}, {"2"});
    m_model->selectRange(0);
    m_model->loadBank();
    QFile::remove(m_appDir->filePath("data/make.da"));
    try {
        m_model->loadBank();
        QFAIL("loaded");
    } catch (const FileOpenError &error) {
        QCOMPARE(error.text(), "Cannot open file " + m_appDir->path() + "/data/make.da");
    }
    QVERIFY(m_model->questionLines().isEmpty());
    QVERIFY(m_model->answerLines().isEmpty());
}

void TestTrainingModel::missingQuestionFileKeepsAnswers()
{
    writeBank("xscc", {}, {"1", "2"});
    m_model->selectRange(11);
    try {
        m_model->loadBank();
        QFAIL("loaded");
    } catch (const FileOpenError &error) {
        QCOMPARE(error.text(), "Cannot open file " + m_appDir->path() + "/data/xscc.tm");
    }
    QVERIFY(m_model->questionLines().isEmpty());
    QCOMPARE(m_model->answerLines().toList(), (QStringList{"1", "2"}));
}

void TestTrainingModel::fixesRecordPath()
{
    QVERIFY(QDir(m_appDir->path()).mkdir("job"));
    QFile taken(m_appDir->filePath("job/2026-12-8-第1次.xl"));
    QVERIFY(taken.open(QIODevice::WriteOnly));
    m_model->fixRecordPath([] { return QStringLiteral("2026/12/8"); });
    QCOMPARE(m_model->state().RecordPath, m_appDir->path() + "/job/2026-12-8-第2次.xl");
}

QTEST_GUILESS_MAIN(TestTrainingModel)
#include "tst_trainingmodel.moc"
