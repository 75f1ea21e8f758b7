#ifndef VORMIS_WINDOWOPTIONS_H
#define VORMIS_WINDOWOPTIONS_H

#include "options.h"

// What the window takes of vormis-run's options: what its configuration
// dialog accepts, one value each (a sweep is vormis-run's), and worlds of at
// most 30 cells a side.
const WindowProfile &windowProfile();

#endif
