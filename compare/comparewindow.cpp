#include "comparewindow.h"

#include "chartfiles.h"
#include "comparechart.h"
#include "compareside.h"
#include "convergencechart.h"
#include "generationcsv.h"

#include <QAction>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QSplitter>
#include <QVBoxLayout>

#include <limits>

namespace {

constexpr int kRunInterval = 250; // ms between two advances, as the main window's Run

World withRule(World world, Rule rule)
{
    world.rule = rule;
    return world;
}

} // namespace

CompareWindow::CompareWindow(const World &world, std::uint32_t seed, QWidget *parent)
    : QWidget(parent, Qt::Window), m_left(new CompareSide(withRule(world, Rule::Vormis), 1, tr("Left world"))),
      m_right(new CompareSide(withRule(world, Rule::AntSystem), 2, tr("Right world"))), m_chart(new CompareChart),
      m_files(new ChartFiles(
          m_chart, [this] { return m_chart->image(); }, [this] { return csv(); }, tr("comparison"))),
      m_optimum(shortestPathCells(world))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Compare Rules \u2014 Vormis"));
    m_left->setObjectName(QStringLiteral("leftSide"));
    m_right->setObjectName(QStringLiteral("rightSide"));
    layOut(createControls());

    m_seedBox->setValue(seed);
    connect(m_seedBox, &QDoubleSpinBox::valueChanged, this, &CompareWindow::restart);
    connect(m_left, &CompareSide::choiceChanged, this, &CompareWindow::restart);
    connect(m_right, &CompareSide::choiceChanged, this, &CompareWindow::restart);
    m_runTimer.setInterval(kRunInterval);
    connect(&m_runTimer, &QTimer::timeout, this, &CompareWindow::advance);
    restart();
    // A projector's whole screen, 1280 x 800, where there is room for it.
    resize(QSize(1280, 800).boundedTo(screen()->availableGeometry().size()));
}

// The sides with the buttons between them; under them the chart, which
// the teacher can make taller or shorter.
void CompareWindow::layOut(QLayout *controls)
{
    auto *sides = new QHBoxLayout;
    sides->setContentsMargins(0, 0, 0, 0);
    sides->addWidget(m_left, 1);
    sides->addLayout(controls);
    sides->addWidget(m_right, 1);
    auto *top = new QWidget;
    top->setLayout(sides);

    m_chart->addActions({m_files->saveImageAction(), m_files->saveCsvAction()});
    m_chart->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(top);
    splitter->addWidget(m_chart);
    splitter->setSizes({480, 300}); // in proportion: worlds of 370 pixels in 800
    splitter->setStretchFactor(0, 8);
    splitter->setStretchFactor(1, 5);
    splitter->setChildrenCollapsible(false);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
}

// Advance with its count, Run, Reset, Swap, the seed, the generation, and
// the chart's two files, from top to bottom.
QLayout *CompareWindow::createControls()
{
    auto *column = new QVBoxLayout;
    QPushButton *advance = addButton(column, tr("&Advance"), "advanceButton",
                                     tr("Runs as many generations on both sides as the number below asks for"));
    advance->setIcon(QIcon(QStringLiteral(":/images/animation-seek-forward.png")));
    m_advanceBox = new QSpinBox;
    m_advanceBox->setObjectName(QStringLiteral("advanceBox"));
    m_advanceBox->setRange(1, 30);
    m_advanceBox->setAlignment(Qt::AlignRight);
    m_advanceBox->setAccessibleName(tr("Generations per advance"));
    column->addWidget(m_advanceBox);
    m_runButton =
        addButton(column, tr("Ru&n"), "runButton", tr("Advances both sides every 250 ms until pressed again"));
    m_runButton->setCheckable(true);
    m_runButton->setShortcut(QKeySequence(tr("Ctrl+R")));
    QPushButton *reset =
        addButton(column, tr("Re&set"), "resetButton", tr("Starts both colonies afresh from the seed"));
    QPushButton *swap = addButton(column, tr("S&wap"), "swapButton", tr("Exchanges the two sides, rules and colonies"));

    auto *seedLabel = new QLabel(tr("See&d:"));
    m_seedBox = new QDoubleSpinBox;
    m_seedBox->setObjectName(QStringLiteral("seedBox"));
    m_seedBox->setDecimals(0);
    m_seedBox->setRange(0, std::numeric_limits<std::uint32_t>::max());
    m_seedBox->setAlignment(Qt::AlignRight);
    m_seedBox->setKeyboardTracking(false);
    m_seedBox->setAccessibleDescription(tr("The seed both colonies start from, as vormis-run's --seed"));
    seedLabel->setBuddy(m_seedBox);
    m_generationLabel = new QLabel;
    column->addSpacing(8);
    column->addWidget(seedLabel);
    column->addWidget(m_seedBox);
    column->addWidget(m_generationLabel);
    column->addStretch(1);
    for (QAction *action : {m_files->saveImageAction(), m_files->saveCsvAction()})
        connect(addButton(column, action->text(), "", QString()), &QPushButton::clicked, action, &QAction::trigger);

    connect(advance, &QPushButton::clicked, this, &CompareWindow::advance);
    connect(m_runButton, &QPushButton::toggled, this, [this](bool on) { on ? m_runTimer.start() : m_runTimer.stop(); });
    connect(reset, &QPushButton::clicked, this, &CompareWindow::restart);
    connect(swap, &QPushButton::clicked, this, &CompareWindow::swapSides);
    return column;
}

QPushButton *CompareWindow::addButton(QLayout *layout, const QString &text, const char *name,
                                      const QString &description)
{
    auto *button = new QPushButton(text);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleDescription(description);
    button->setToolTip(description);
    layout->addWidget(button);
    return button;
}

int CompareWindow::generation() const
{
    return m_left->generation();
}

std::string CompareWindow::csv() const
{
    std::string text = csvHeader();
    m_left->appendCsv(text);
    m_right->appendCsv(text);
    return text;
}

void CompareWindow::advance()
{
    for (int pass = 0; pass < m_advanceBox->value(); ++pass) {
        m_left->advance();
        m_right->advance();
    }
    showGeneration();
}

void CompareWindow::restart()
{
    stopRunning();
    m_seed = static_cast<std::uint32_t>(m_seedBox->value());
    m_left->restart(m_seed);
    m_right->restart(m_seed);
    showGeneration();
}

void CompareWindow::swapSides()
{
    m_left->swapWith(*m_right);
    showGeneration();
}

void CompareWindow::stopRunning()
{
    m_runButton->setChecked(false);
}

// The views, the generation and the chart, with the rules named in its
// legend, and by their side when both are the same rule.
void CompareWindow::showGeneration()
{
    m_left->showState();
    m_right->showState();
    m_generationLabel->setText(tr("Generation: %1").arg(generation()));

    ComparisonChartData data;
    data.colonies = {m_left->series(), m_right->series()};
    if (data.colonies[0].name == data.colonies[1].name) {
        data.colonies[0].name = tr("%1, left").arg(data.colonies[0].name);
        data.colonies[1].name = tr("%1, right").arg(data.colonies[1].name);
    }
    const World &world = m_left->world();
    data.subtitle = tr("%1 against %2; %3x%3, %4 ants; seed %5")
                        .arg(ConvergenceChart::settingsText(world), ConvergenceChart::settingsText(m_right->world()))
                        .arg(world.size)
                        .arg(world.ants)
                        .arg(m_seed);
    data.optimum = m_optimum;
    m_chart->setData(data);
}
