#pragma once

#include <QFrame>

// A panel drawn flat.
class TFlatPanel : public QFrame
{
    Q_OBJECT

public:
    explicit TFlatPanel(QWidget *parent = nullptr);
};
