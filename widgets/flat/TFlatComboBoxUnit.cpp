#include "widgets/flat/TFlatComboBoxUnit.h"

#include <QLineEdit>
#include <QSignalBlocker>

TFlatComboBox::TFlatComboBox(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(8);
    // Qt makes an item with the typed text current on Enter and when the
    // focus leaves; only picking from the list chooses an item here.
    disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    connect(this, &QComboBox::activated, this, &TFlatComboBox::Change);
    connect(lineEdit(), &QLineEdit::textEdited, this, &TFlatComboBox::onTextEdited);
}

void TFlatComboBox::replaceItems(const QStringList &items)
{
    const QString shown = currentText();
    const QSignalBlocker blocker(this);
    clear();
    addItems(items);
    setCurrentIndex(-1);
    setEditText(shown);
}

void TFlatComboBox::onTextEdited(const QString &text)
{
    if (currentIndex() >= 0) {
        const int cursor = lineEdit()->cursorPosition();
        const QSignalBlocker blocker(this);
        setCurrentIndex(-1);
        setEditText(text);
        lineEdit()->setCursorPosition(cursor);
    }
    emit Change();
}
