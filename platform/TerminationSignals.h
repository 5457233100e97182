#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM and SIGHUP, which an ending desktop session or a closing terminal
// sends its programs, turned into a signal of the interface thread, so that
// a run under way is recorded before the program ends. One at a time.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received(int signalNumber);

private:
    QSocketNotifier *m_notifier = nullptr;
};
