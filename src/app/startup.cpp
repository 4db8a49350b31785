#include "app/startup.h"

VERZE verze = {0, 0, 0, 0};

int Iniciace()
{
    verze = VERZE{3, 0, 0, 238};
    return 1;
}

int Ukonceni()
{
    return 1;
}
