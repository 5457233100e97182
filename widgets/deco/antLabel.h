#pragma once

#include <QLabel>

// A title label whose colours follow the pointer and the mouse button.
class TantLabel : public QLabel
{
    Q_OBJECT

public:
    explicit TantLabel(QWidget *parent = nullptr);
};
