#include "compareside.h"

#include "antworld.h"
#include "colony.h"
#include "rulechoice.h"
#include "sweep.h"
#include "viewzoom.h"
#include "worldpainter.h"

#include <QDoubleSpinBox>
#include <QEvent>
#include <QGraphicsScene>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <tuple>
#include <utility>

namespace {

constexpr int kWorldPixels = 600; // the scene's world, as the main window's

} // namespace

CompareSide::CompareSide(const World &world, int run, const QString &viewName, QWidget *parent)
    : QWidget(parent), m_world(world), m_run(run), m_colony(std::make_unique<Colony>()), m_choice(new RuleChoice(3))
{
    m_choice->hideDescription();
    connect(m_choice, &RuleChoice::choiceChanged, this, &CompareSide::choiceChanged);
    QLayout *factors = createFactorRow();
    createView(viewName);
    showChoice();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_choice);
    layout->addLayout(factors);
    layout->addWidget(m_view, 1);
}

CompareSide::~CompareSide() = default;

// alpha, beta and ro in one row, within the limits of the dialog's Ants page.
QLayout *CompareSide::createFactorRow()
{
    m_alpha = new QSpinBox;
    m_alpha->setRange(0, 10);
    m_beta = new QSpinBox;
    m_beta->setRange(0, 10);
    m_ro = new QDoubleSpinBox;
    m_ro->setDecimals(2);
    m_ro->setRange(0.00, 0.99);
    m_ro->setSingleStep(0.05);

    auto *row = new QHBoxLayout;
    const std::tuple<QString, QAbstractSpinBox *, const char *> fields[] = {
        {tr("alpha:"), m_alpha, "alpha"}, {tr("beta:"), m_beta, "beta"}, {tr("ro:"), m_ro, "ro"}};
    for (const auto &[text, box, name] : fields) {
        auto *label = new QLabel(text);
        label->setBuddy(box);
        box->setObjectName(QLatin1String(name));
        box->setAlignment(Qt::AlignRight);
        box->setAccessibleName(label->text().chopped(1).trimmed());
        row->addWidget(label);
        row->addWidget(box, 1);
    }
    m_alpha->setAccessibleDescription(tr("How strongly the pheromone weighs in the choice, 0 to 10"));
    m_beta->setAccessibleDescription(tr("How strongly the heuristic weighs in the choice, 0 to 10"));
    m_ro->setAccessibleDescription(tr("Share of the pheromone that evaporates in each generation, 0 to 0.99"));
    connect(m_alpha, &QSpinBox::valueChanged, this, &CompareSide::choiceChanged);
    connect(m_beta, &QSpinBox::valueChanged, this, &CompareSide::choiceChanged);
    connect(m_ro, &QDoubleSpinBox::valueChanged, this, &CompareSide::choiceChanged);
    return row;
}

// The world as the main window paints it, the pheromone shown, scaled to
// fit the view whatever its size.
void CompareSide::createView(const QString &name)
{
    auto *scene = new QGraphicsScene(this);
    scene->setSceneRect(-5, -5, kWorldPixels + 10, kWorldPixels + 10);
    m_view = new AntWorld(scene, nullptr);
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setCacheMode(QGraphicsView::CacheBackground);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setMinimumSize(160, 160);
    m_view->setAccessibleName(name);
    m_view->setWorldPixels(kWorldPixels);
    m_view->setWorldSize(m_world.size);
    m_view->setHomeCell(m_world.home.x, m_world.home.y);
    m_view->setFoodCell(m_world.food.x, m_world.food.y);
    m_view->setObstaclePath(obstacleOutline(m_world.obstacles, kWorldPixels / m_world.size));
    m_view->setShowPheromone(true);
    m_zoom = new ViewZoom(m_view);
    m_view->installEventFilter(this);
}

bool CompareSide::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view && event->type() == QEvent::Resize)
        m_zoom->fitToWindow();
    return QWidget::eventFilter(watched, event);
}

// The boxes show the settings of the colony, without a word to the window.
void CompareSide::showChoice()
{
    const QSignalBlocker alpha(m_alpha), beta(m_beta), ro(m_ro);
    m_choice->showChoice(m_world);
    m_alpha->setValue(m_world.alpha);
    m_beta->setValue(m_world.beta);
    m_ro->setValue(m_world.ro);
}

void CompareSide::restart(std::uint32_t seed)
{
    m_choice->applyTo(m_world);
    m_world.alpha = m_alpha->value();
    m_world.beta = m_beta->value();
    m_world.ro = m_ro->value();
    m_colony = std::make_unique<Colony>();
    m_world.applyTo(*m_colony);
    m_colony->seedRandom(seed);
    m_seed = seed;
    m_tracker.reset();
    m_rows.clear();
    advance();
}

void CompareSide::advance()
{
    m_colony->runGeneration();
    const GenerationResult &result = m_tracker.observe(*m_colony);
    m_rows.push_back({m_run, m_seed, result, m_tracker.best()});
}

void CompareSide::showState()
{
    m_view->setPheromoneTable(m_colony->pheromoneTable());
    m_view->setBestPath(cellPath(m_tracker.bestPath(), kWorldPixels / m_world.size));
    m_view->viewport()->update();
}

// The run numbers stay with the sides: the left is always run 1.
void CompareSide::swapWith(CompareSide &other)
{
    std::swap(m_world, other.m_world);
    std::swap(m_seed, other.m_seed);
    std::swap(m_colony, other.m_colony);
    std::swap(m_tracker, other.m_tracker);
    std::swap(m_rows, other.m_rows);
    for (CompareSide *side : {this, &other}) {
        for (GenerationRow &row : side->m_rows)
            row.run = side->m_run;
        side->showChoice();
        side->showState();
    }
}

QString CompareSide::ruleTitle() const
{
    return m_choice->ruleTitle();
}

ComparisonChartData::Colony CompareSide::series() const
{
    ComparisonChartData::Colony colony;
    colony.name = ruleTitle();
    for (const GenerationRow &row : m_rows) {
        const GenerationResult &g = row.generation;
        colony.bestSoFar.push_back(row.best);
        colony.meanLength.push_back(g.antsAtFood > 0 ? static_cast<double>(g.lengthSum) / g.antsAtFood : -1.0);
    }
    return colony;
}

void CompareSide::appendCsv(std::string &csv) const
{
    const std::string columns = settingColumns(allSettings(worldParameters(m_world)).front());
    for (const GenerationRow &row : m_rows)
        appendCsvRow(csv, row, columns);
}
