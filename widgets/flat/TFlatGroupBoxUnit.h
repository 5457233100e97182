#pragma once

#include <QGroupBox>

// A group box drawn flat.
class TFlatGroupBox : public QGroupBox
{
    Q_OBJECT

public:
    explicit TFlatGroupBox(QWidget *parent = nullptr);
};
