#include "widgets/deco/antLabel.h"

TantLabel::TantLabel(QWidget *parent)
    : QLabel(parent)
{
}
