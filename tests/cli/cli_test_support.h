#ifndef VORMIS_CLI_TEST_SUPPORT_H
#define VORMIS_CLI_TEST_SUPPORT_H

#include "application.h"
#include "world_from_rows.h"
#include "worldfile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#endif
