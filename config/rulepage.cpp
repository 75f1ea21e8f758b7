#include "rulepage.h"

#include "antconfig.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include <limits>

namespace {

// A rule's own parameter, one line each: adding a parameter to a rule adds a
// line here.  Ranges are the engine's; defaults are those of a fresh World.
struct ParameterSpec
{
    Parameter parameter;
    const char *label;
    const char *description;
    double low;
    double high;
    int decimals;
    double step;
};

const ParameterSpec kParameters[] = {
    {Parameter::Q0, QT_TRANSLATE_NOOP("RulePage", "&q0: "),
     QT_TRANSLATE_NOOP("RulePage", "Ant Colony System: how often an ant takes the best-looking neighbour outright, "
                                   "0 to 1"),
     kLowestRate, kHighestRate, 2, 0.05},
    {Parameter::Xi, QT_TRANSLATE_NOOP("RulePage", "x&i: "),
     QT_TRANSLATE_NOOP("RulePage", "Ant Colony System: how far a cell's pheromone goes back to its start value when an "
                                   "ant enters it, 0 to 1"),
     kLowestRate, kHighestRate, 2, 0.05},
    {Parameter::Elite, QT_TRANSLATE_NOOP("RulePage", "&elite: "),
     QT_TRANSLATE_NOOP("RulePage", "Elitist Ant System: how many ants' pheromone the best path so far gains in every "
                                   "generation, 0 to 1000"),
     kMinElite, kMaxElite, 0, 1},
    {Parameter::Rank, QT_TRANSLATE_NOOP("RulePage", "ran&k: "),
     QT_TRANSLATE_NOOP("RulePage", "Rank-based Ant System's w: the w - 1 best ants of a generation add pheromone, "
                                   "1 to 1000"),
     kMinRank, kMaxRank, 0, 1},
    {Parameter::Restart, QT_TRANSLATE_NOOP("RulePage", "restar&t: "),
     QT_TRANSLATE_NOOP("RulePage", "MAX-MIN Ant System: generations without a shorter path before the pheromone starts "
                                   "afresh; 0 never, up to 1000000"),
     kMinRestart, kMaxRestart, 0, 10},
};

// What the page says of each rule, by its short name.  A rule without a line
// here shows the engine's title alone.  A literal ends after each dash: lupdate
// would read the digits after "\u2013" as part of the character.
struct RuleText
{
    const char *name;
    const char *title;
    const char *what;
    const char *source;
};

const RuleText kRuleTexts[] = {
    {"vormis", QT_TRANSLATE_NOOP("RulePage", "Vormis (the window's own)"),
     QT_TRANSLATE_NOOP("RulePage", "Routing weights that only grow: an ant at the food adds alpha \u00d7 pheromone + "
                                   "beta \u00d7 heuristic to each cell of its path. Only the pheromone evaporates; "
                                   "the colony does not settle."),
     QT_TRANSLATE_NOOP("RulePage", "Vormis's own rule, from no paper.")},
    {"as", QT_TRANSLATE_NOOP("RulePage", "Ant System"),
     QT_TRANSLATE_NOOP("RulePage", "Choice in proportion to pheromone^alpha \u00d7 heuristic^beta. Each generation "
                                   "all pheromone loses the share ro, and each ant at the food adds 1/L to its path "
                                   "of L cells."),
     QT_TRANSLATE_NOOP("RulePage", "Dorigo, Maniezzo, Colorni, IEEE Trans. SMC-B 26(1):29\u2013" "41, 1996.")},
    {"acs", QT_TRANSLATE_NOOP("RulePage", "Ant Colony System"),
     QT_TRANSLATE_NOOP("RulePage", "With probability q0 the best-looking cell outright, else as Ant System. Entering a "
                                   "cell takes its pheromone back towards the start by xi; only the best path so far "
                                   "gains."),
     QT_TRANSLATE_NOOP("RulePage", "Dorigo, Gambardella, IEEE Trans. Evol. Comp. 1(1):53\u2013" "66, 1997.")},
    {"mmas", QT_TRANSLATE_NOOP("RulePage", "MAX-MIN Ant System"),
     QT_TRANSLATE_NOOP("RulePage", "As Ant System, but only the generation's best ant adds pheromone, which stays "
                                   "between two bounds; after restart generations without a shorter path it starts "
                                   "afresh."),
     QT_TRANSLATE_NOOP("RulePage", "St\u00fctzle, Hoos, Future Generation Computer Systems 16(8):889\u2013" "914, "
                                   "2000.")},
    {"eas", QT_TRANSLATE_NOOP("RulePage", "Elitist Ant System"),
     QT_TRANSLATE_NOOP("RulePage", "Ant System in which the best path so far gains as much pheromone more in every "
                                   "generation as elite more ants would give it."),
     QT_TRANSLATE_NOOP("RulePage", "The elitist strategy of Dorigo, Maniezzo, Colorni, IEEE Trans. SMC-B "
                                   "26(1):29\u2013" "41, 1996.")},
    {"ras", QT_TRANSLATE_NOOP("RulePage", "Rank-based Ant System"),
     QT_TRANSLATE_NOOP("RulePage", "Only the rank - 1 best ants of the generation add pheromone, the better ranked the "
                                   "more, and the best path so far as much as rank ants."),
     QT_TRANSLATE_NOOP("RulePage", "Bullnheimer, Hartl, Strauss, Central European J. of Operations Research "
                                   "7(1):25\u2013" "38, 1999.")},
    {"bwas", QT_TRANSLATE_NOOP("RulePage", "Best-Worst Ant System"),
     QT_TRANSLATE_NOOP("RulePage", "The best path so far gains pheromone, the generation's longest path loses more, "
                                   "the pheromone mutates, and the colony starts afresh once it has converged."),
     QT_TRANSLATE_NOOP("RulePage", "Cord\u00f3n, Fern\u00e1ndez de Viana, Herrera, Proceedings of ANTS 2000, "
                                   "Brussels, 2000.")},
};

const RuleText *textOf(Rule rule)
{
    for (const RuleText &text : kRuleTexts)
        if (qstrcmp(text.name, ruleName(rule)) == 0)
            return &text;
    return nullptr;
}

QString ruleDisplayName(Rule rule)
{
    const RuleText *text = textOf(rule);
    return RulePage::tr(text ? text->title : ruleTitle(rule));
}

// The parameter's value in a world, as a number.
double parameterValue(const World &world, Parameter parameter)
{
    return worldParameters(world)[static_cast<std::size_t>(parameter)].constFirst().toDouble();
}

} // namespace

RulePage::RulePage(QWidget *parent)
    : QWidget(parent)
{
    // One box, as on the Ants page, so that the page fits in the room the
    // Ants page takes.
    QGridLayout *rows = new QGridLayout;
    addRuleRows(rows);
    addParameterRows(rows);
    addSeedRows(rows);
    rows->setColumnStretch(1, 1);
    QGroupBox *group = new QGroupBox(tr("Rule"));
    group->setLayout(rows);

    QVBoxLayout *mainLayout = new QVBoxLayout;
    mainLayout->addWidget(group);
    mainLayout->addStretch(1);
    setLayout(mainLayout);
    restoreDefaults();
}

// The combo box of every rule the engine has, and what the chosen one does.
void RulePage::addRuleRows(QGridLayout *rows)
{
    QLabel *ruleLabel = new QLabel(tr("&Rule: "));
    ruleBox = new QComboBox;
    ruleBox->setObjectName(QStringLiteral("ruleBox"));
    for (const Rule rule : allRules())
        ruleBox->addItem(ruleDisplayName(rule), static_cast<int>(rule));
    ruleLabel->setBuddy(ruleBox);
    ruleBox->setAccessibleName(tr("Rule"));
    ruleBox->setAccessibleDescription(tr("How the ants choose their next cell and how the pheromone changes"));
    connect(ruleBox, &QComboBox::currentIndexChanged, this, &RulePage::showRule);

    // The lines wrap to the page's width and never widen it.
    ruleText = new QLabel;
    ruleText->setWordWrap(true);
    ruleText->setTextFormat(Qt::RichText);
    ruleText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ruleText->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Minimum);
    ruleText->setMinimumHeight(ruleText->fontMetrics().lineSpacing() * 4);

    rows->addWidget(ruleLabel, 0, 0);
    rows->addWidget(ruleBox, 0, 1);
    rows->addWidget(ruleText, 1, 0, 1, 2);
}

// A labelled box for each parameter of kParameters, two to a row, so that
// the page takes no more room than the Ants page.
void RulePage::addParameterRows(QGridLayout *rows)
{
    QGridLayout *pairs = new QGridLayout;
    for (const ParameterSpec &spec : kParameters) {
        QLabel *label = new QLabel(tr(spec.label));
        QDoubleSpinBox *box = new QDoubleSpinBox;
        box->setObjectName(QLatin1String(parameterName(spec.parameter)));
        box->setAlignment(Qt::AlignRight);
        box->setDecimals(spec.decimals);
        box->setRange(spec.low, spec.high);
        box->setSingleStep(spec.step);
        box->setAccessibleName(spokenName(label->text()));
        box->setAccessibleDescription(tr(spec.description));
        box->setToolTip(tr(spec.description));
        label->setBuddy(box);
        const int index = static_cast<int>(fields.size());
        pairs->addWidget(label, index / 2, index % 2 * 2);
        pairs->addWidget(box, index / 2, index % 2 * 2 + 1);
        fields.push_back({spec.parameter, label, box});
    }
    pairs->setColumnStretch(1, 1);
    pairs->setColumnStretch(3, 1);
    rows->addLayout(pairs, rows->rowCount(), 0, 1, 2);
}

// A new seed at every start, or the same one each time.
void RulePage::addSeedRows(QGridLayout *rows)
{
    newSeedButton = new QRadioButton(tr("&New seed at every start"));
    newSeedButton->setObjectName(QStringLiteral("newSeedButton"));
    newSeedButton->setAccessibleDescription(tr("Each start of the colony draws other random numbers"));
    fixedSeedButton = new QRadioButton(tr("&Same seed at every start: "));
    fixedSeedButton->setObjectName(QStringLiteral("fixedSeedButton"));
    fixedSeedButton->setAccessibleDescription(tr("Each start of the colony repeats the same generations, as "
                                                 "vormis-run does with the same --seed"));
    seedBox = new QDoubleSpinBox;
    seedBox->setObjectName(QStringLiteral("seedBox"));
    seedBox->setDecimals(0);
    seedBox->setRange(0, std::numeric_limits<std::uint32_t>::max());
    seedBox->setAlignment(Qt::AlignRight);
    seedBox->setAccessibleName(tr("Seed"));
    seedBox->setAccessibleDescription(tr("The seed every start takes, 0 to 4294967295"));
    connect(fixedSeedButton, &QRadioButton::toggled, seedBox, &QWidget::setEnabled);

    const int row = rows->rowCount();
    rows->addWidget(newSeedButton, row, 0, 1, 2);
    rows->addWidget(fixedSeedButton, row + 1, 0);
    rows->addWidget(seedBox, row + 1, 1);
}

void RulePage::showChoice(const World &world, std::optional<std::uint32_t> fixedSeed, std::uint32_t runSeed)
{
    ruleBox->setCurrentIndex(ruleBox->findData(static_cast<int>(world.rule)));
    for (const ParameterField &field : fields)
        field.box->setValue(parameterValue(world, field.parameter));
    fixedSeedButton->setChecked(fixedSeed.has_value());
    newSeedButton->setChecked(!fixedSeed.has_value());
    seedBox->setValue(fixedSeed.value_or(runSeed));
    seedBox->setEnabled(fixedSeed.has_value());
    showRule();
}

void RulePage::applyTo(World &world) const
{
    world.rule = chosenRule();
    for (const ParameterField &field : fields)
        setParameter(world, field.parameter, QString::number(field.box->value(), 'f', field.box->decimals()));
}

std::optional<std::uint32_t> RulePage::fixedSeed() const
{
    if (!fixedSeedButton->isChecked())
        return std::nullopt;
    return static_cast<std::uint32_t>(seedBox->value());
}

void RulePage::restoreDefaults()
{
    showChoice(World(), std::nullopt, static_cast<std::uint32_t>(seedBox->value()));
}

Rule RulePage::chosenRule() const
{
    return static_cast<Rule>(ruleBox->currentData().toInt());
}

// The chosen rule's lines and source; its own parameters enabled, the
// others greyed out.
void RulePage::showRule()
{
    const Rule rule = chosenRule();
    const RuleText *text = textOf(rule);
    ruleText->setText(text ? tr("%1<br><i>%2</i>")
                                 .arg(tr(text->what).toHtmlEscaped(), tr(text->source).toHtmlEscaped())
                           : QString());
    const QString name = QLatin1String(ruleName(rule));
    for (const ParameterField &field : fields) {
        const bool takes = ruleTakes(name, field.parameter);
        field.label->setEnabled(takes);
        field.box->setEnabled(takes);
    }
}
