// The program itself, stopping at its first paint.
#include "BenchReport.h"
#include "app/NumoraMain.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    return runNumora(argc, argv, [] {
        reportMark("painted");
        QCoreApplication::exit(0);
    });
}
