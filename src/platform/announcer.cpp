#include "announcer.h"

namespace tapalong {

Announcer &Announcer::instance()
{
    static Announcer announcer;
    return announcer;
}

} // namespace tapalong
