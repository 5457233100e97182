#include "app/NumoraMain.h"

int main(int argc, char *argv[])
{
    return runNumora(argc, argv);
}
