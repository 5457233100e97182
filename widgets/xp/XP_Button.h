#pragma once

#include <QPushButton>

// A push button drawn from the button skin.
class TXP_Button : public QPushButton
{
    Q_OBJECT

public:
    explicit TXP_Button(QWidget *parent = nullptr);
};
