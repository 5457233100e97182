#include "widgets/flat/TFlatGroupBoxUnit.h"

TFlatGroupBox::TFlatGroupBox(QWidget *parent)
    : QGroupBox(parent)
{
    setAutoFillBackground(true); // panels are opaque
}
