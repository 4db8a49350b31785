#include "app/startup.h"

#include "books/rtf_tags.h"

VERZE verze = {0, 0, 0, 0};

int Iniciace()
{
    verze = VERZE{3, 0, 0, 238};
    // The tag display table: defaults, then (once the configuration is read)
    // the rows built from fonts, sizes and styles.
    BK_SetRTFTagDefaults();
    BK_BuildRTFTags();
    return 1;
}

int Ukonceni()
{
    return 1;
}
