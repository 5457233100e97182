// Which facts a child knows by heart, and what today's practice asks.
#include "training/FactFluency.h"
#include "training/TimeLimitSetting.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace FactFluency;

namespace {

const QDate kDay(2026, 12, 1);

// "0r900": day 0, right, 900 ms; "1w-": day 1, wrong, no time.
QList<FactAnswer> answers(const QString &text)
{
    QList<FactAnswer> list;
    for (const QString &one : text.split(u' ', Qt::SkipEmptyParts)) {
        const qsizetype mark = one.indexOf(QRegularExpression(QStringLiteral("[rw]")));
        const QString time = one.mid(mark + 1);
        list.append({kDay.addDays(one.left(mark).toInt()), one.at(mark) == u'r', time == u'-' ? -1 : time.toLongLong()});
    }
    return list;
}

Fact fact(const QString &question, const QString &history)
{
    Fact made{question, answers(history), evaluateQuestion(question)->value};
    return made;
}

} // namespace

class TestFactFluency : public QObject
{
    Q_OBJECT

private slots:
    void states_data();
    void states();
    void reviewComesBack_data();
    void reviewComesBack();
    void todaysPracticeOrder();
    void gridCells_data();
    void gridCells();
    void everyGridCellIsItsOwnQuestion();
    void timeLimitOfChildOrClass();
};

void TestFactFluency::states_data()
{
    QTest::addColumn<QString>("history");
    QTest::addColumn<int>("limitSeconds");
    QTest::addColumn<QString>("state");
    QTest::newRow("three quick right answers on one day") << "0r900 0r800 0r700" << 3 << "较慢";
    QTest::newRow("on two days") << "0r900 0r800 1r700" << 3 << "熟练";
    QTest::newRow("at the limit") << "0r3000 1r3000 1r3000" << 3 << "熟练";
    QTest::newRow("one slow right answer") << "0r900 0r4200 1r700" << 3 << "较慢";
    QTest::newRow("slow for 3 s, not for 6 s") << "0r900 0r4200 1r700" << 6 << "熟练";
    QTest::newRow("a wrong one among the last three") << "0r900 1w1200 1r700 2r800" << 3 << "出错";
    QTest::newRow("a wrong one before them") << "0w900 0r900 1r800 2r700" << 3 << "熟练";
    QTest::newRow("answered once, right") << "0r900" << 3 << "较慢";
    QTest::newRow("answered once, wrong") << "0w900" << 3 << "出错";
    QTest::newRow("records without times") << "0r- 1r- 2r-" << 3 << "较慢";
}

void TestFactFluency::states()
{
    QFETCH(QString, history);
    QFETCH(int, limitSeconds);
    QFETCH(QString, state);
    QCOMPARE(stateName(fact(QStringLiteral("7+8="), history).state(limitSeconds * 1000)), state);
}

void TestFactFluency::reviewComesBack_data()
{
    QTest::addColumn<QString>("history");
    QTest::addColumn<int>("dueDay"); // -1: not fluent, never due
    QTest::newRow("became fluent") << "0r900 0r800 1r700" << 2;
    QTest::newRow("stayed fluent a day later") << "0r900 0r800 1r700 2r600" << 5;
    QTest::newRow("and again") << "0r900 0r800 1r700 2r600 5r600" << 12;
    QTest::newRow("a slow day starts again") << "0r900 0r800 1r700 2r6000 3r600 3r600 4r500" << 5;
    QTest::newRow("slow") << "0r900 0r8000 1r700" << -1;
}

void TestFactFluency::reviewComesBack()
{
    QFETCH(QString, history);
    QFETCH(int, dueDay);
    const QDate due = fact(QStringLiteral("7+8="), history).reviewDue(3000);
    QCOMPARE(due, dueDay < 0 ? QDate() : kDay.addDays(dueDay));
}

void TestFactFluency::todaysPracticeOrder()
{
    const QList<Fact> facts = {
        fact("1+1=", "0w900"),                  // wrong, earlier
        fact("2+2=", "0r900 3w900"),            // wrong, latest
        fact("3+3=", "0r5000"),                 // slow
        fact("4+4=", "0r8000"),                 // slower
        fact("5+5=", "0r-"),                    // no time known
        fact("6+6=", "0r900 0r900 1r900"),      // fluent, due on day 2
        fact("7+7=", "0r900 0r900 1r900 2r900 3r900"), // fluent, due on day 10
        fact("1÷3=", "0w900"),                  // no exact answer to type
    };
    const QStringList fresh = {"1+1=", "8 + 8 =", "9+9=", "9+9="};
    QStringList asked;
    for (const PracticeQuestion &question : todaysPractice(facts, 3000, kDay.addDays(3), fresh))
        asked.append(question.question + question.answer);
    QCOMPARE(asked, (QStringList{"2+2=4", "1+1=2", "4+4=8", "3+3=6", "5+5=10", "6+6=12", "8 + 8 =16", "9+9=18"}));
    QCOMPARE(todaysPractice(facts, 3000, kDay.addDays(3), fresh, 3).size(), 3);
}

void TestFactFluency::gridCells_data()
{
    QTest::addColumn<QString>("question");
    QTest::addColumn<int>("grid"); // -1: on no map
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::newRow("sum") << "7+8=" << int(Grid::Addition) << 7 << 8;
    QTest::newRow("blanks") << " 0 + 20 = " << int(Grid::Addition) << 0 << 20;
    QTest::newRow("sum over 20") << "12+9=" << -1 << 0 << 0;
    QTest::newRow("difference") << "15-7=" << int(Grid::Subtraction) << 15 << 7;
    QTest::newRow("full-width minus") << "15－7=" << int(Grid::Subtraction) << 15 << 7;
    QTest::newRow("below zero") << "7-15=" << -1 << 0 << 0;
    QTest::newRow("product") << "7×8=" << int(Grid::Multiplication) << 6 << 7;
    QTest::newRow("times zero") << "0×8=" << -1 << 0 << 0;
    QTest::newRow("quotient") << "56÷8=" << int(Grid::Division) << 7 << 6;
    QTest::newRow("with remainder") << "57÷8=" << -1 << 0 << 0;
    QTest::newRow("two steps") << "3+4+5=" << -1 << 0 << 0;
}

void TestFactFluency::gridCells()
{
    QFETCH(QString, question);
    QFETCH(int, grid);
    QFETCH(int, row);
    QFETCH(int, column);
    const auto cell = cellOf(question);
    QCOMPARE(cell.has_value(), grid >= 0);
    if (cell)
        QCOMPARE((QList<int>{int(cell->grid), cell->row, cell->column}), (QList<int>{grid, row, column}));
}

void TestFactFluency::everyGridCellIsItsOwnQuestion()
{
    for (const Grid grid : {Grid::Addition, Grid::Subtraction, Grid::Multiplication, Grid::Division}) {
        for (int row = 0; row < gridSize(grid); ++row) {
            for (int column = 0; column < gridSize(grid); ++column) {
                const QString question = gridQuestion(grid, row, column);
                if (question.isEmpty())
                    continue;
                const auto cell = cellOf(question);
                QVERIFY2(cell && cell->grid == grid && cell->row == row && cell->column == column, qPrintable(question));
                QVERIFY2(evaluateQuestion(question), qPrintable(question));
            }
        }
    }
}

void TestFactFluency::timeLimitOfChildOrClass()
{
    QTemporaryDir dir;
    const QString pupil = dir.filePath("王小明/job");
    QVERIFY(QDir().mkpath(pupil));
    QCOMPARE(TimeLimitSetting::read({pupil, dir.path()}), kDefaultTimeLimit);
    TimeLimitSetting::write(dir.path(), 12);
    QCOMPARE(TimeLimitSetting::read({pupil, dir.path()}), 12); // the class's
    TimeLimitSetting::write(pupil, 6);
    QCOMPARE(TimeLimitSetting::read({pupil, dir.path()}), 6); // the pupil's own
    // A limit not offered counts as none; a link is not followed.
    QFile::remove(TimeLimitSetting::path(pupil));
    QVERIFY(QFile::link(TimeLimitSetting::path(dir.path()), TimeLimitSetting::path(pupil)));
    QCOMPARE(TimeLimitSetting::read({pupil}), kDefaultTimeLimit);
    QFile setting(TimeLimitSetting::path(dir.path()));
    QVERIFY(setting.open(QIODevice::WriteOnly | QIODevice::Truncate) && setting.write("时间限制=5\n") > 0);
    setting.close();
    QCOMPARE(TimeLimitSetting::read({dir.path()}), kDefaultTimeLimit);
}

QTEST_GUILESS_MAIN(TestFactFluency)
#include "tst_factfluency.moc"
