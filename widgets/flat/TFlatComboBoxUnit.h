#pragma once

#include <QComboBox>

// An editable combo box drawn flat. Change is sent when the user picks an
// item or types; typing leaves no item current, as in a native drop-down.
class TFlatComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit TFlatComboBox(QWidget *parent = nullptr);

    // Replaces the items; the shown text stays and no item becomes current.
    void replaceItems(const QStringList &items);

signals:
    void Change();

private:
    void onTextEdited(const QString &text);
};
