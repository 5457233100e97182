#include "widgets/flat/TFlatEditUnit.h"

TFlatEdit::TFlatEdit(QWidget *parent)
    : QLineEdit(parent)
{
}
