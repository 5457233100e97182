#include "report/WorksheetPages.h"

#include <QTest>

class TestWorksheetPages : public QObject
{
    Q_OBJECT

private slots:
    void choosesLargestFittingFont_data();
    void choosesLargestFittingFont();
};

void TestWorksheetPages::choosesLargestFittingFont_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("columns");
    QTest::addColumn<qreal>("widestEm");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<int>("pages");
    // The grid of an A4 page: 510 x 661 points.
    QTest::newRow("100 in 4 columns") << 100 << 4 << 3.5 << 13.0 << 1;
    QTest::newRow("60 in 4 columns: wide cells") << 60 << 4 << 3.5 << 17.0 << 1;
    QTest::newRow("10 in 1 column: the largest") << 10 << 1 << 3.5 << 18.0 << 1;
    QTest::newRow("200 in 5 columns: two pages") << 200 << 5 << 3.5 << 13.5 << 2;
    QTest::newRow("long questions never below 11") << 100 << 5 << 12.0 << 11.0 << 1;
    QTest::newRow("200 in 1 column: fewest pages") << 200 << 1 << 3.5 << 11.0 << 7;
    QTest::newRow("empty: one page") << 0 << 4 << 0.0 << 18.0 << 1;
}

void TestWorksheetPages::choosesLargestFittingFont()
{
    QFETCH(int, count);
    QFETCH(int, columns);
    QFETCH(qreal, widestEm);
    QFETCH(qreal, points);
    QFETCH(int, pages);
    const WorksheetPages::Grid grid = WorksheetPages::chooseGrid(count, columns, QSizeF(510, 661), widestEm);
    QCOMPARE(grid.points, points);
    QCOMPARE(WorksheetPages::questionPages(count, columns, grid), pages);
}

QTEST_APPLESS_MAIN(TestWorksheetPages)
#include "tst_worksheetpages.moc"
