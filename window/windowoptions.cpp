#include "windowoptions.h"

const WindowProfile &windowProfile()
{
    static const WindowProfile profile{
        QStringLiteral("Shows Vormis's ant colony at work in a window.  The options open it on a\n"
                       "prepared world, as vormis-run reads them, within what the window's own\n"
                       "configuration dialog takes; --seed makes its generations repeatable."),
        {
            {QStringLiteral("size"), 3, 30, QStringLiteral("the window shows %1 to %2 cells a side"),
             QStringLiteral("vormis-run takes larger worlds"), QStringLiteral("Cells a side, 3 to 30 (default 10).")},
            {QStringLiteral("ants"), 1, 30, QStringLiteral("the window shows %1 to %2 ants"),
             QStringLiteral("vormis-run takes up to 1000"), QStringLiteral("Ants in the colony, 1 to 30 (default 5).")},
            {QStringLiteral("alpha"), 0, 10, QStringLiteral("the window takes %1 to %2"),
             QStringLiteral("vormis-run takes up to 100"),
             QStringLiteral("Weight of the pheromone, 0 to 10 (default 2).")},
            {QStringLiteral("beta"), 0, 10, QStringLiteral("the window takes %1 to %2"),
             QStringLiteral("vormis-run takes up to 100"),
             QStringLiteral("Weight of the heuristic, 0 to 10 (default 1).")},
            {QStringLiteral("ro"), 0, 0.99, QStringLiteral("the window takes %1 to %2"),
             QStringLiteral("vormis-run takes up to 1"),
             QStringLiteral("Pheromone evaporation per generation, 0 to 0.99 (default 0.1).")},
        },
        30,
        QStringLiteral("the window shows 3 to 30 cells a side, vormis-run takes larger worlds"),
        QStringLiteral("Seed of the colony, 0 to 4294967295 (default: from the clock)."),
    };
    return profile;
}
