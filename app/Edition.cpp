#include "app/Edition.h"

const StGKEDITION* AppEdition()
{
#if defined(GK_EDITION_BIRCH)
    static const StGKEDITION* edition = GkFindEdition("Birch");
#elif defined(GK_EDITION_CEDAR)
    static const StGKEDITION* edition = GkFindEdition("Cedar");
#else
    static const StGKEDITION* edition = GkFindEdition("Alder");
#endif
    return edition;
}
