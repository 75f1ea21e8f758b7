#ifndef VORMIS_RUNNER_ANIMATION_H
#define VORMIS_RUNNER_ANIMATION_H

#include "experiment.h"
#include "options.h"
#include "sweep.h"
#include "world.h"

#include <QByteArray>
#include <QString>

#include <vector>

class Colony;

// The animated picture of one run: every K-th generation and the last, the
// world as --png paints it with the generation's shortest path added in a
// line wide enough to see, and under it a legend, the setting and the
// progress.  The run's colony is looked at while it runs (in any
// thread); the frames are painted and encoded afterwards, in the thread
// that owns the fonts.
class RunAnimation
{
public:
    RunAnimation(const World &world, const Setting &setting, int generations, int every, int optimum);

    // After each generation of the run.
    void observe(const Colony &colony, const GenerationRow &row);
    int frameCount() const { return static_cast<int>(m_frames.size()); }
    // The GIF's bytes; false with a message when it cannot be made.
    bool encode(QByteArray &bytes, QString &error) const;

private:
    struct Frame
    {
        int generation = 0;
        int best = 0;
        std::vector<double> pheromone; // [x * N + y]
        std::vector<Cell> path;        // the generation's shortest
        std::vector<Cell> bestPath;
    };
    QString progress(const Frame &frame) const;

    World m_world;
    QString m_setting; // "Ant System (as): alpha 1, ..."
    int m_generations;
    int m_every;
    int m_optimum;
    std::vector<Cell> m_bestPath; // so far
    std::vector<Frame> m_frames;
};

#endif
