// The reference for start-up: a bare Qt window showing one Chinese label.
#include "BenchReport.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>

class PaintMark : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, [] {
                reportMark("painted");
                QCoreApplication::exit(0);
            });
        }
        return false;
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("登陆窗口"));
    // --stay: shown until ended, for a probe that watches the screen.
    PaintMark mark;
    if (!app.arguments().contains(QStringLiteral("--stay")))
        label.installEventFilter(&mark);
    label.show();
    return app.exec();
}
