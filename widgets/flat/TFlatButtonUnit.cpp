#include "widgets/flat/TFlatButtonUnit.h"

TFlatButton::TFlatButton(QWidget *parent)
    : QPushButton(parent)
{
}
