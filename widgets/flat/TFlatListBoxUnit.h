#pragma once

#include <QListWidget>

// A list box drawn flat.
class TFlatListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit TFlatListBox(QWidget *parent = nullptr);
};
