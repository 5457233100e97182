// Runs under a locale whose decimal separator is a comma, with the
// application object that takes the locale from the environment: records
// must read exactly as under the C locale, but for the separator of a typed
// decimal answer.
#include "platform/DateSource.h"
#include "support/FakeSound.h"
#include "training/Numbers.h"
#include "text/TextFile.h"
#include "training/TrainingModel.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>

class TestCommaLocale : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void recordLines_data();
    void recordLines();
    void recordNameIsNoShortDate();
};

void TestCommaLocale::initTestCase()
{
    QCOMPARE(std::localeconv()->decimal_point, ",");
    QCOMPARE(Numbers::localeDecimalSeparator(), QLatin1Char(','));
}

void TestCommaLocale::recordLines_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("record");
    QTest::newRow("timed") << 0 << QStringList{"7", "12", "-3"}
                           << QStringList{"第1题    3+4=7    √", "第2题    3+4=12    ×", "第3题    3+4=-3    ×",
                                          "训练时间为：3秒", "完成题数为：3道", "正确题数为：1道"};
    QTest::newRow("counted") << 1 << QStringList{"7", "7,5", "1234567890123"}
                             << QStringList{"第1题    3+4=7    √", "第2题    3+4=7,5    ×",
                                            "第3题    3+4=1234567890123    ×", "训练题数为：3道", "完成时间为：1秒",
                                            "正确题数为：1道"};
    QTest::newRow("typed with a point") << 1 << QStringList{"7.0", "7.5", "7,0"}
                                        << QStringList{"第1题    3+4=7    √", "第2题    3+4=7,5    ×", "第3题    3+4=7    √",
                                                       "训练题数为：3道", "完成时间为：1秒", "正确题数为：2道"};
}

void TestCommaLocale::recordLines()
{
    QFETCH(int, mode);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, record);

    QTemporaryDir appDir;
    QVERIFY(QDir(appDir.path()).mkpath("data"));
    TextFile::writeLines(appDir.filePath("data/make.tm"), {"3+4="});
    TextFile::writeLines(appDir.filePath("data/make.da"), {"7"});
    FakeSound sound;
    TrainingModel model(appDir.path(), &sound);
    model.fixRecordPath([] { return QStringLiteral("8.12.26"); });
    model.selectRange(0);
    model.selectMode(mode);
    model.selectAmount(0, "3");
    model.loadBank();

    model.answerStep(QString());
    for (const QString &answer : typed)
        model.answerStep(answer);
    while (!model.tick()) {
    }
    QCOMPARE(TextFile::readLines(model.state().RecordPath), record);
}

// de_DE's short date once named records "09.12.26-第1次.xl".
void TestCommaLocale::recordNameIsNoShortDate()
{
    QCOMPARE(SystemDateSource().todayText(), QDate::currentDate().toString("yyyy-M-d"));
    QVERIFY(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).contains(u'.'));
}

QTEST_MAIN(TestCommaLocale)
#include "tst_commalocale.moc"
