#include "support/FormFixture.h"
#include "text/TextFile.h"
#include "widgets/flat/TFlatMemoUnit.h"
#include "widgets/flat/TFlatPanelUnit.h"
#include "widgets/xp/XP_Button.h"

#include <QFile>
#include <QListView>
#include <QScrollBar>
#include <QLabel>
#include <QTextBlock>

class TestRecordViewer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_fixture.reset(); }

    void cancelLeavesEverything();
    void showsRecordLineByLine_data();
    void showsRecordLineByLine();
    void openCloseOpenAnother();
    void marksLineUp();
    void unreadableFileEmptiesMemo();
    void bigRecordOpensAtOnceAndWhole();

private:
    TForm1 &form() { return *m_fixture->form; }
    void writeRaw(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_fixture->path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void query(const QString &chosen)
    {
        if (!chosen.isEmpty())
            m_fixture->dialogs.files.append(chosen);
        FormFixture::press(form().FlatButton7);
    }

    std::unique_ptr<FormFixture> m_fixture;
};

void TestRecordViewer::init()
{
    m_fixture = std::make_unique<FormFixture>();
    QVERIFY(m_fixture->show());
}

void TestRecordViewer::cancelLeavesEverything()
{
    query(QString());
    QCOMPARE(m_fixture->dialogs.lastStartDir, m_fixture->path("job"));
    QCOMPARE(form().FlatButton7->text(), QStringLiteral("查    询"));
    QVERIFY(form().FlatPanel2->isVisible());
    QVERIFY(!form().FlatPanel3->isVisible());
    QCOMPARE(form().Label8->text(), QStringLiteral("查询窗口"));
}

void TestRecordViewer::showsRecordLineByLine_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    const QStringList record{"第1题    3×4=12    √", "训练时间为：60秒"};
    QTest::newRow("record") << "job/2026-12-8-第1次.xl"
                            << QByteArray("\xB5\xDA" "1\xCC\xE2    3\xA1\xC1" "4=12    \xA1\xCC\r\n"
                                          "\xD1\xB5\xC1\xB7\xCA\xB1\xBC\xE4\xCE\xAA\xA3\xBA" "60\xC3\xEB\r\n")
                            << record;
    QTest::newRow("lone lf") << "job/lf.xl"
                             << QByteArray("\xB5\xDA" "1\xCC\xE2    3\xA1\xC1" "4=12    \xA1\xCC\n"
                                           "\xD1\xB5\xC1\xB7\xCA\xB1\xBC\xE4\xCE\xAA\xA3\xBA" "60\xC3\xEB\n")
                             << record;
    QTest::newRow("binary: a NUL ends the text") << "job/elf.xl" << QByteArray("\x7f" "ELF\x02\r\x01\0\0rest", 13)
                                                 << QStringList{"\x7f" "ELF\x02", "\x01"};
    QTest::newRow("not a record, outside the job folder") << "notes.txt" << QByteArray("a\r\n\r\nb") << QStringList{"a", "", "b"};
}

void TestRecordViewer::showsRecordLineByLine()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    writeRaw(name, bytes);
    query(m_fixture->path(name));
    QCOMPARE(form().FlatMemo2->lines(), lines);
    QCOMPARE(form().Label8->text(), name.section(u'/', -1));
    QCOMPARE(form().FlatButton7->text(), QStringLiteral("关      闭"));
    QVERIFY(form().FlatPanel3->isVisible());
}

void TestRecordViewer::openCloseOpenAnother()
{
    writeRaw("job/a.xl", "first\r\nrecord\r\n");
    writeRaw("job/b.xl", "second\r\n");
    query(m_fixture->path("job/a.xl"));
    query(QString()); // closes
    QVERIFY(!form().FlatPanel3->isVisible());
    QVERIFY(form().FlatPanel2->isVisible());
    QCOMPARE(form().FlatButton7->text(), QStringLiteral("查      询"));
    QCOMPARE(form().FlatMemo2->lines(), (QStringList{"first", "record"})); // kept until the next record
    query(m_fixture->path("job/b.xl"));
    QCOMPARE(form().FlatMemo2->lines(), QStringList{"second"});
    QCOMPARE(form().Label8->text(), QStringLiteral("b.xl"));
}

void TestRecordViewer::marksLineUp()
{
    const QStringList lines{"第1题    1+1=2    √", "第10题    12+34=46    ×", "第2题    题目    ×", "训练题数为：10道"};
    TextFile::writeLines(m_fixture->path("job/a.xl"), lines);
    query(m_fixture->path("job/a.xl"));
    TFlatMemo *memo = form().FlatMemo2;
    QCOMPARE(memo->lines(), lines);
    const auto x = [&](int block, const QString &part) {
        const QTextBlock line = memo->document()->findBlockByNumber(block);
        QTextCursor cursor(line);
        cursor.setPosition(line.position() + int(line.text().indexOf(part)));
        return memo->cursorRect(cursor).x();
    };
    QCOMPARE(x(0, "√"), x(1, "×"));
    QCOMPARE(x(2, "×"), x(1, "×"));
    QCOMPARE(x(0, "1+1"), x(1, "12+34"));
    QTRY_VERIFY(!memo->horizontalScrollBar()->isVisible()); // the lines fit
}

void TestRecordViewer::unreadableFileEmptiesMemo()
{
    writeRaw("job/a.xl", "first\r\n");
    query(m_fixture->path("job/a.xl"));
    query(QString());
    query(m_fixture->path("job/typed-name.xl"));
    QCOMPARE(m_fixture->dialogs.errors, QStringList{"Cannot open file " + m_fixture->path("job/typed-name.xl")});
    QCOMPARE(form().FlatMemo2->lines(), QStringList());
    QCOMPARE(form().Label8->text(), QStringLiteral("typed-name.xl"));
    QCOMPARE(form().FlatButton7->text(), QStringLiteral("查      询"));
    QVERIFY(form().FlatPanel2->isVisible());
}

void TestRecordViewer::bigRecordOpensAtOnceAndWhole()
{
    QStringList big;
    for (int i = 1; i <= TFlatMemo::kDocumentLineLimit + 1; ++i)
        big << QStringLiteral("第%1题    3×4=12    √").arg(i);
    writeRaw("job/big.xl", TextFile::joinLines(big));
    writeRaw("job/small.xl", "small\r\n");
    query(m_fixture->path("job/big.xl"));
    QListView *view = form().FlatMemo2->bigTextView();
    QVERIFY(view && view->isVisible());
    QCOMPARE(form().FlatMemo2->lines(), big);
    QTest::keyClick(form().FlatMemo2, Qt::Key_End);
    QCOMPARE(view->verticalScrollBar()->value(), view->verticalScrollBar()->maximum());
    QVERIFY(view->verticalScrollBar()->maximum() > 0);

    query(QString());
    query(m_fixture->path("job/small.xl"));
    QVERIFY(view->isHidden());
    QCOMPARE(form().FlatMemo2->lines(), QStringList{"small"});
}

QTEST_MAIN(TestRecordViewer)
#include "tst_recordviewer.moc"
