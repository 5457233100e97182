#pragma once

#include <QLineEdit>

// A single-line edit drawn flat.
class TFlatEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit TFlatEdit(QWidget *parent = nullptr);
};
