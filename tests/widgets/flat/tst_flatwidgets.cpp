#include "support/PixelProbe.h"
#include "widgets/flat/TFlatButtonUnit.h"
#include "widgets/flat/TFlatComboBoxUnit.h"
#include "widgets/flat/TFlatEditUnit.h"
#include "widgets/flat/TFlatGroupBoxUnit.h"
#include "widgets/flat/TFlatListBoxUnit.h"
#include "widgets/flat/TFlatMemoUnit.h"
#include "widgets/flat/TFlatPanelUnit.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

const QColor kBorder(160, 150, 131);
const QColor kFace(236, 233, 216); // the pinned parent colour
const QColor kWhite(255, 255, 255);

} // namespace

class TestFlatWidgets : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_window.reset(); }
    void editRingsLitAndFlat();
    void hoverLightsOnlyWithoutAnotherFlatEdit();
    void editHeightFollowsFont();
    void memoCornerSquare();
    void comboLooks_data();
    void comboLooks();
    void comboChoices_data();
    void comboChoices();
    void listRows();
    void listSelectionAndItems();
    void listPageDownWithFewItems();
    void heldArrowRepeats();
    void groupBoxGapWithEmptyCaption();
    void panelWithInvisibleFrame();
    void advancedColoursKeepTheSetOnes();
    void buttonDragOutDoesNotClick();

private:
    template <class Control>
    Control *add(QRect place)
    {
        auto *control = new Control(m_window.get());
        control->setGeometry(place);
        control->show();
        return control;
    }
    QString probes(QWidget *w, const Probes &points) { return probesMatch(w->grab().toImage(), points, "flat"); }

    std::unique_ptr<QWidget> m_window;
    QPushButton *m_other = nullptr;
};

void TestFlatWidgets::init()
{
    m_window = std::make_unique<QWidget>();
    m_window->setPalette(testDesktopPalette());
    m_window->resize(400, 300);
    m_other = new QPushButton("other", m_window.get());
    m_other->setGeometry(300, 260, 80, 24);
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestFlatWidgets::editRingsLitAndFlat()
{
    auto *edit = add<TFlatEdit>({10, 10, 120, 22});
    edit->setFocus();
    QCOMPARE(probes(edit, {{{0, 0}, kBorder}, {{1, 1}, kWhite}, {{2, 10}, kWhite}, {{3, 3}, kWhite}}), QString());
    m_other->setFocus();
    QCOMPARE(probes(edit, {{{0, 0}, kBorder}, {{1, 1}, kFace}, {{2, 10}, kFace}, {{3, 3}, kFace}}), QString());
}

void TestFlatWidgets::hoverLightsOnlyWithoutAnotherFlatEdit()
{
    auto *focused = add<TFlatEdit>({10, 10, 120, 22});
    auto *hovered = add<TFlatEdit>({10, 40, 120, 22});
    focused->setFocus();
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(hovered, &enter);
    QVERIFY(!hovered->isLit());
    m_other->setFocus();
    QVERIFY(hovered->isLit());
    QCOMPARE(probes(hovered, {{{1, 1}, kWhite}}), QString());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(hovered, &leave);
    QVERIFY(!hovered->isLit());
}

void TestFlatWidgets::editHeightFollowsFont()
{
    auto *edit = add<TFlatEdit>({10, 10, 89, 20});
    QFont font = edit->font();
    font.setPixelSize(29);
    edit->setFont(font);
    QCOMPARE(edit->height(), 35);
}

void TestFlatWidgets::memoCornerSquare()
{
    auto *memo = add<TFlatMemo>({10, 10, 200, 120});
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const QPoint corner(200 - 3 - memo->verticalScrollBar()->width() / 2, 120 - 3 - memo->horizontalScrollBar()->height() / 2);
    QCOMPARE(probes(memo, {{{0, 0}, kBorder}, {{2, 2}, kFace}, {corner, kFace}}), QString());
    memo->setFocus();
    QCOMPARE(probes(memo, {{{2, 2}, kWhite}, {corner, kWhite}}), QString());
}

void TestFlatWidgets::comboLooks_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("dropped");
    QTest::newRow("closed") << true << false;
    QTest::newRow("dropped") << true << true;
    QTest::newRow("disabled") << false << false;
}

void TestFlatWidgets::comboLooks()
{
    QFETCH(bool, enabled);
    QFETCH(bool, dropped);
    auto *box = add<TFlatComboBox>({10, 10, 177, 21});
    box->addItems({"60", "120"});
    box->setEnabled(enabled);
    if (dropped)
        box->showPopup();
    const QRect arrowBox = comboArrowBox(box->size());
    QCOMPARE(arrowBox, QRect(177 - 13, 0, 13, 21));
    const QList<QLine> rows = comboArrowRows(arrowBox, dropped);
    const QPoint tip = dropped ? rows.first().p1() : rows.last().p1(); // the single pixel
    QCOMPARE(rows.last().p1(), rows.last().p2());
    Probes points{{{0, 0}, kBorder}, {{1, 1}, kWhite}, {{2, 10}, kWhite}, {{164, 0}, kBorder},
                  {{166, 3}, QColor(217, 214, 197)}};
    points.push_back({tip, enabled ? QColor(0, 0, 0) : QColor(128, 128, 128)});
    if (!enabled)
        points.push_back({tip + QPoint(1, 1), kWhite});
    QCOMPARE(probes(box, points), QString());
    QCOMPARE(box->lineEdit()->geometry(), QRect(3, 3, 177 - 19, 21 - 6));
    if (dropped) {
        box->hidePopup();
        QVERIFY(!box->isDropped());
    }
}

void TestFlatWidgets::comboChoices_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("index");   // current afterwards
    QTest::addColumn<int>("changes"); // Change signals
    QTest::newRow("typed, an item's text") << "type" << "50" << -1 << 2;
    QTest::newRow("arrow key") << "down" << "10" << 0 << 1;
    QTest::newRow("assistive technology, an item") << "assistive" << "100" << 2 << 1;
    QTest::newRow("assistive technology, other text") << "assistive" << "77" << -1 << 1;
    QTest::newRow("the program's own text") << "program" << "请选择：" << -1 << 0;
}

// What the user chooses, by any way, reaches the window as Change; what the
// program shows does not.
void TestFlatWidgets::comboChoices()
{
    QFETCH(QString, how);
    QFETCH(QString, text);
    QFETCH(int, index);
    QFETCH(int, changes);
    auto *box = add<TFlatComboBox>({10, 10, 177, 21});
    box->replaceItems({"10", "50", "100"});
    box->setFocus();
    QSignalSpy change(box, &TFlatComboBox::Change);
    if (how == "type") {
        QTest::keyClicks(box->lineEdit(), text);
    } else if (how == "down") {
        QTest::keyClick(box, Qt::Key_Down);
    } else if (how == "assistive") {
        QAccessibleInterface *edit = QAccessible::queryAccessibleInterface(box->lineEdit());
        QVERIFY(edit && edit->editableTextInterface());
        edit->editableTextInterface()->replaceText(0, edit->textInterface()->characterCount(), text);
    } else {
        box->setEditText(text);
    }
    QCOMPARE(box->currentText(), text);
    QCOMPARE(box->currentIndex(), index);
    QCOMPARE(change.count(), changes);
}

void TestFlatWidgets::listRows()
{
    auto *list = add<TFlatListBox>({10, 10, 137, 99});
    QCOMPARE(list->height(), 99);
    QCOMPARE(list->visibleCount(), 5);
    QCOMPARE(list->rowRect(0), QRect(3, 3, 131, 17));
    QCOMPARE(list->rowRect(1).top(), 22);
    list->setScrollBars(true);
    QCOMPARE(list->height(), 119);
    QCOMPARE(list->visibleCount(), 5);
    QCOMPARE(list->rowRect(0).top(), 13);
    list->resize(137, 130); // snaps to whole rows
    QCOMPARE(list->height(), 119);
}

void TestFlatWidgets::listSelectionAndItems()
{
    auto *list = add<TFlatListBox>({10, 10, 137, 99});
    QStringList many;
    for (int i = 0; i < 257; ++i)
        many << QString(" %1\t").arg(i);
    list->setItems(many);
    QCOMPARE(list->count(), 0); // more than 256 lines: refused
    many.removeLast();
    list->setItems(many);
    QCOMPARE(list->count(), 256);
    QCOMPARE(list->items().at(3), "3");

    QTest::mouseClick(list, Qt::LeftButton, {}, list->rowRect(1).center());
    QCOMPARE(list->selectedIndexes(), QList<int>{1});
    QCOMPARE(probes(list, {{list->rowRect(1).topLeft(), kBorder}, {list->rowRect(1).topLeft() + QPoint(1, 1),
                                                                   QColor(247, 222, 156)}}),
             QString());
    list->setEnabled(false);
    list->fillItems(LineStore::fromLines(QStringList{"a", "b"})); // a disabled list keeps its selection
    QCOMPARE(list->selectedIndexes(), QList<int>{1});
    list->setEnabled(true);
    list->fillItems(LineStore::fromLines(QStringList(400, "x"))); // filled directly: no limit
    QCOMPARE(list->count(), 400);
    QVERIFY(!list->isSelected(1));
    QVERIFY(!list->isSelected(300));
}

void TestFlatWidgets::listPageDownWithFewItems()
{
    auto *list = add<TFlatListBox>({10, 10, 137, 99});
    list->fillItems(LineStore::fromLines(QStringList{"1", "2", "3"}));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_PageDown);
    QCOMPARE(list->topIndex(), 0);
    list->fillItems(LineStore::fromLines(QStringList(12, "x")));
    QTest::keyClick(list, Qt::Key_PageDown);
    QCOMPARE(list->topIndex(), 5);
    QTest::keyClick(list, Qt::Key_PageDown);
    QCOMPARE(list->topIndex(), 7);
}

void TestFlatWidgets::heldArrowRepeats()
{
    auto *list = add<TFlatListBox>({10, 10, 137, 99});
    list->setScrollBars(true);
    list->fillItems(LineStore::fromLines(QStringList(9, "x")));
    const QPoint bottomBar(60, list->height() - 5);
    QTest::mousePress(list, Qt::LeftButton, {}, bottomBar);
    QCOMPARE(list->topIndex(), 1); // one line at once
    // The one repeat timer of all list boxes belongs to the application.
    const QTimer *repeat = qApp->findChild<QTimer *>("flatListScrollRepeat");
    QVERIFY(repeat);
    QVERIFY(repeat->isActive());
    QCOMPARE(repeat->interval(), 600);
    QTRY_COMPARE_WITH_TIMEOUT(list->topIndex(), 2, 2000);
    QCOMPARE(repeat->interval(), 100);
    QTRY_COMPARE_WITH_TIMEOUT(list->topIndex(), 4, 2000); // the last page: it stops by itself
    QTRY_VERIFY(!repeat->isActive());
    QTest::mouseRelease(list, Qt::LeftButton, {}, bottomBar);
    QCOMPARE(repeat->interval(), 600);
}

void TestFlatWidgets::groupBoxGapWithEmptyCaption()
{
    auto *group = add<TFlatGroupBox>({10, 10, 177, 100});
    const int lineY = group->fontMetrics().height() / 2;
    QCOMPARE(probes(group, {{{5, lineY}, kBorder}, {{6, lineY}, kFace}, {{12, lineY}, kFace},
                            {{13, lineY}, kBorder}, {{0, 60}, kBorder}, {{176, 99}, kBorder}}),
             QString());
    group->setBorder(TGroupBoxBorder::brOnlyTopLine);
    QCOMPARE(probes(group, {{{0, lineY}, kFace}, {{1, lineY}, kBorder}, {{0, 60}, kFace}, {{176, 99}, kFace}}),
             QString());
}

void TestFlatWidgets::panelWithInvisibleFrame()
{
    auto *panel = add<TFlatPanel>({10, 10, 100, 60});
    QCOMPARE(probes(panel, {{{0, 0}, kBorder}, {{99, 59}, kBorder}, {{1, 1}, kFace}}), QString());
    panel->setColorHighLight(clBtnFace);
    panel->setColorShadow(clBtnFace);
    QCOMPARE(probes(panel, {{{0, 0}, kFace}, {{99, 59}, kFace}}), QString());
}

void TestFlatWidgets::advancedColoursKeepTheSetOnes()
{
    auto *group = add<TFlatGroupBox>({10, 10, 177, 100});
    auto *edit = add<TFlatEdit>({10, 120, 120, 22});
    const QColor derived = ShiftLightness(kFace, kBorder, 50, LightnessShift::Darken);
    QVERIFY(derived != kBorder);
    for (int round = 0; round < 2; ++round) { // a second round must not derive from the derived colour
        group->setUseAdvColors(true);
        edit->setUseAdvColors(true);
        QCOMPARE(probes(group, {{{0, 60}, derived}}), QString());
        QCOMPARE(probes(edit, {{{0, 0}, derived}}), QString());
        QCOMPARE(group->ColorBorder(), kFlatBorder);
        QCOMPARE(edit->ColorBorder(), kFlatBorder);
        group->setUseAdvColors(false);
        edit->setUseAdvColors(false);
        QCOMPARE(probes(group, {{{0, 60}, kBorder}}), QString());
        QCOMPARE(probes(edit, {{{0, 0}, kBorder}}), QString());
    }
}

void TestFlatWidgets::buttonDragOutDoesNotClick()
{
    auto *button = add<TFlatButton>({10, 10, 57, 25});
    button->setText("下一题");
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 12));
    QCOMPARE(button->state(), FlatButtonState::Down);
    QCOMPARE(probes(button, {{{0, 0}, QColor(0, 0, 0)}, {{56, 24}, kWhite}, {{20, 3}, QColor(217, 214, 197)}}),
             QString());
    QTest::mouseMove(button, QPoint(120, 12));
    QCOMPARE(button->state(), FlatButtonState::Up);
    QVERIFY(button->hovered()); // held: the hover look stays
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(120, 12));
    QCOMPARE(clicks.size(), 0);
    QVERIFY(!button->hovered());

    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 12));
    QCOMPARE(clicks.size(), 1);
    QTest::mouseClick(button, Qt::RightButton, {}, QPoint(20, 12));
    QCOMPARE(clicks.size(), 1);
    button->setDefault(true);
    QCOMPARE(probes(button, {{{1, 1}, kBorder}}), QString()); // a 2-pixel border while up
}

QTEST_MAIN(TestFlatWidgets)
#include "tst_flatwidgets.moc"
