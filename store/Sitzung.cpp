#include "store/Sitzung.h"

Sitzung& Sitzung::instanz()
{
    static Sitzung s;
    return s;
}
