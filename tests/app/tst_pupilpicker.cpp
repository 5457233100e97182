// "谁在训练？" chosen with the keyboard alone.
#include "app/PupilPicker.h"

#include <QListWidget>
#include <QTest>

class TestPupilPicker : public QObject
{
    Q_OBJECT

private slots:
    void choosesByKeyboard_data();
    void choosesByKeyboard();
};

void TestPupilPicker::choosesByKeyboard_data()
{
    QTest::addColumn<QString>("keys"); // ">" is the right arrow key
    QTest::addColumn<QString>("chosen");
    QTest::newRow("the first, at once") << "" << "王小明";
    QTest::newRow("an arrow on") << ">" << "Li Hua";
    QTest::newRow("a name's first letters") << "zh" << "Zhang Wei";
}

void TestPupilPicker::choosesByKeyboard()
{
    QFETCH(QString, keys);
    QFETCH(QString, chosen);
    PupilPicker picker({"王小明", "Li Hua", "Zhang Wei"});
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    auto *names = picker.findChild<QListWidget *>("PupilNames");
    QVERIFY(names->hasFocus());
    QCOMPARE(names->accessibleName(), "学生名单");
    for (const QChar key : keys) {
        if (key == u'>')
            QTest::keyClick(names, Qt::Key_Right);
        else
            QTest::keyClicks(names, QString(key));
    }
    QTest::keyClick(names, Qt::Key_Return);
    QCOMPARE(picker.result(), int(QDialog::Accepted));
    QCOMPARE(picker.chosen(), chosen);
}

QTEST_MAIN(TestPupilPicker)
#include "tst_pupilpicker.moc"
