#pragma once

#include <QPushButton>

// A push button drawn flat.
class TFlatButton : public QPushButton
{
    Q_OBJECT

public:
    explicit TFlatButton(QWidget *parent = nullptr);
};
