#include "widgets/xp/XP_Button.h"

TXP_Button::TXP_Button(QWidget *parent)
    : QPushButton(parent)
{
}
