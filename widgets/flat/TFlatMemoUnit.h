#pragma once

#include <QPlainTextEdit>

// A multi-line edit drawn flat; its text is handled as a list of lines.
class TFlatMemo : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit TFlatMemo(QWidget *parent = nullptr);

    QStringList lines() const;
    void setLines(const QStringList &lines);
};
