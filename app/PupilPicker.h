#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

// "谁在训练？": the roster's names, large enough for a six-year-old to
// click, chosen also with the arrow keys, by typing a name's first
// characters and Enter.
class PupilPicker : public QDialog
{
    Q_OBJECT

public:
    explicit PupilPicker(const QStringList &names, QWidget *parent = nullptr);

    QString chosen() const;
    // The chosen name, or empty when the dialog was closed without one.
    static QString ask(const QStringList &names);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QListWidget *m_names;
};
