#include "app/QuaxelApp.h"

int main(int argc, char *argv[])
{
    return runQuaxel(argc, argv);
}
