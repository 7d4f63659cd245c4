#include "Startup.h"

int main(int argc, char** argv)
{
    return hestivaMain(argc, argv);
}
