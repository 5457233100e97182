#include "text/LineListModel.h"
#include "text/LineStore.h"

#include <QTest>

class TestLineStore : public QObject
{
    Q_OBJECT

private slots:
    void editsKeepEveryLineEnded_data();
    void editsKeepEveryLineEnded();
    void copiesAreUnchangedByEdits();
    void headDecodesOnlyTheStart();
    void modelShowsHeadAndEditsWhole();
};

using Edit = std::function<void(LineStore &)>;

void TestLineStore::editsKeepEveryLineEnded_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("append after a last line without break")
        << QByteArray("1+1=\n2+2=") << Edit([](LineStore &s) { s.append("3+3="); })
        << QByteArray("1+1=\r\n2+2=\r\n3+3=\r\n");
    QTest::newRow("append to nothing") << QByteArray() << Edit([](LineStore &s) { s.append("一"); })
                                       << QByteArray("\xd2\xbb\r\n");
    QTest::newRow("insert in the middle") << QByteArray("a\rc\r") << Edit([](LineStore &s) { s.insert(1, "b"); })
                                          << QByteArray("a\r\nb\r\nc\r\n");
    QTest::newRow("replace longer and shorter")
        << QByteArray("a\nbb\nc\n") << Edit([](LineStore &s) { s.replace(0, "aaa"); s.replace(1, ""); })
        << QByteArray("aaa\r\n\r\nc\r\n");
    QTest::newRow("remove the last line without break")
        << QByteArray("a\r\nb") << Edit([](LineStore &s) { s.removeAt(1); s.append("c"); })
        << QByteArray("a\r\nc\r\n");
    QTest::newRow("remove every line") << QByteArray("a\nb") << Edit([](LineStore &s) { s.removeAt(0); s.removeAt(0); })
                                       << QByteArray();
    QTest::newRow("bytes that are no text stay")
        << QByteArray("1+\xff=\n\x81") << Edit([](LineStore &s) { s.replace(0, s.at(0)); })
        << QByteArray("1+\xff=\r\n\x81\r\n");
}

void TestLineStore::editsKeepEveryLineEnded()
{
    QFETCH(QByteArray, file);
    QFETCH(Edit, edit);
    QFETCH(QByteArray, written);
    LineStore store = LineStore::fromBytes(file);
    edit(store);
    QCOMPARE(store.toFileBytes(), written);
    QCOMPARE(store.toList(), LineStore::fromBytes(written).toList());
}

void TestLineStore::copiesAreUnchangedByEdits()
{
    const LineStore original = LineStore::fromLines({"1", "2"});
    LineStore copy = original;
    copy.replace(0, "x");
    copy.append("3");
    QCOMPARE(original.toList(), (QStringList{"1", "2"}));
    QCOMPARE(copy.toList(), (QStringList{"x", "2", "3"}));
}

void TestLineStore::headDecodesOnlyTheStart()
{
    const LineStore store = LineStore::fromLines({QString(3000, u'二'), "12"});
    QVERIFY(store.head(0, 2001).size() >= 2001);
    QVERIFY(store.head(0, 2001).size() < 3000);
    QCOMPARE(store.head(1, 2001), "12");
}

void TestLineStore::modelShowsHeadAndEditsWhole()
{
    const QString huge(LineListModel::kDisplayedHead * 3, u'7');
    LineListModel model;
    model.setLines(LineStore::fromLines({"1", huge}));
    QCOMPARE(model.data(model.index(1), Qt::EditRole).toString(), huge);
    QVERIFY(model.data(model.index(1)).toString().size() < huge.size());
    model.removeLine(5); // past the end: nothing
    QCOMPARE(model.rowCount(), 2);
}

QTEST_GUILESS_MAIN(TestLineStore)
#include "tst_linestore.moc"
