#include "widgets/flat/TFlatListBoxUnit.h"

TFlatListBox::TFlatListBox(QWidget *parent)
    : QListWidget(parent)
{
}
