#include "animation.h"

#include "animatedgif.h"
#include "animationframe.h"
#include "colony.h"
#include "charts.h"
#include "worldimage.h"

namespace {

constexpr int kFrameCentiseconds = 10; // ten frames a second
constexpr int kLastFrameCentiseconds = 200;
constexpr double kGenerationPathWidth = 4; // a hairline's diagonals all but vanish in a GIF

} // namespace

RunAnimation::RunAnimation(const World &world, const Setting &setting, int generations, int every, int optimum)
    : m_world(world), m_setting(settingText(setting)), m_generations(generations), m_every(every), m_optimum(optimum)
{
    m_frames.reserve(static_cast<std::size_t>(gifFrameCount(generations, every)));
}

void RunAnimation::observe(const Colony &colony, const GenerationRow &row)
{
    const GenerationResult &g = row.generation;
    std::vector<Cell> path;
    if (g.shortestAnt >= 0)
        path = pathCells(colony.m_ants[static_cast<std::size_t>(g.shortestAnt)], g.shortest);
    if (g.improved)
        m_bestPath = path;
    if (g.generation % m_every != 0 && g.generation != m_generations)
        return;
    Frame frame;
    frame.generation = g.generation;
    frame.best = row.best;
    const int n = m_world.size;
    const double *const *pheromone = colony.pheromoneTable();
    for (int x = 0; x < n; ++x)
        frame.pheromone.insert(frame.pheromone.end(), pheromone[x], pheromone[x] + n);
    frame.path = std::move(path);
    frame.bestPath = m_bestPath;
    m_frames.push_back(std::move(frame));
}

QString RunAnimation::progress(const Frame &frame) const
{
    const QString best = frame.best > 0 ? QStringLiteral("best so far %1 cells").arg(frame.best)
                                        : QStringLiteral("no path found yet");
    const QString optimum = m_optimum > 0 ? QStringLiteral("shortest possible %1").arg(m_optimum)
                                          : QStringLiteral("the food cannot be reached");
    return QStringLiteral("generation %1 of %2     %3     %4")
        .arg(frame.generation)
        .arg(m_generations)
        .arg(best, optimum);
}

bool RunAnimation::encode(QByteArray &bytes, QString &error) const
{
    AnimatedGif gif;
    const int n = m_world.size;
    for (std::size_t i = 0; i < m_frames.size(); ++i) {
        const Frame &frame = m_frames[i];
        std::vector<double> pheromone = frame.pheromone;
        std::vector<double *> rows;
        for (int x = 0; x < n; ++x)
            rows.push_back(pheromone.data() + static_cast<std::size_t>(x) * static_cast<std::size_t>(n));
        WorldPicture picture = worldPicture(rows.data(), m_world, frame.bestPath, frame.path);
        picture.generationPathWidth = kGenerationPathWidth;
        const QImage world = renderWorldImage(picture);
        const int delay = i + 1 == m_frames.size() ? kLastFrameCentiseconds : kFrameCentiseconds;
        if (!gif.addFrame(animationFrame(world, m_setting, progress(frame)), delay, error))
            return false;
    }
    return gif.encode(bytes, error);
}
