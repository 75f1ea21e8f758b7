#include "engine_test_support.h"

#include "world_from_rows.h"

std::unique_ptr<Colony> colonyFromRows(const std::vector<std::string> &rows, int ants)
{
    World world = worldFromRows(rows);
    world.ants = ants;
    auto colony = std::make_unique<Colony>(world.size, world.ants);
    world.applyTo(*colony);
    return colony;
}
