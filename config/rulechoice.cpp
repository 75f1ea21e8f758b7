#include "rulechoice.h"

#include "antconfig.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

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
    {Parameter::Q0, QT_TRANSLATE_NOOP("RuleChoice", "&q0: "),
     QT_TRANSLATE_NOOP("RuleChoice", "Ant Colony System: how often an ant takes the best-looking neighbour outright, "
                                     "0 to 1"),
     kLowestRate, kHighestRate, 2, 0.05},
    {Parameter::Xi, QT_TRANSLATE_NOOP("RuleChoice", "x&i: "),
     QT_TRANSLATE_NOOP("RuleChoice", "Ant Colony System: how far a cell's pheromone goes back to its start value when "
                                     "an ant enters it, 0 to 1"),
     kLowestRate, kHighestRate, 2, 0.05},
    {Parameter::Elite, QT_TRANSLATE_NOOP("RuleChoice", "&elite: "),
     QT_TRANSLATE_NOOP("RuleChoice", "Elitist Ant System: how many ants' pheromone the best path so far gains in every "
                                     "generation, 0 to 1000"),
     kMinElite, kMaxElite, 0, 1},
    {Parameter::Rank, QT_TRANSLATE_NOOP("RuleChoice", "ran&k: "),
     QT_TRANSLATE_NOOP("RuleChoice", "Rank-based Ant System's w: the w - 1 best ants of a generation add pheromone, "
                                     "1 to 1000"),
     kMinRank, kMaxRank, 0, 1},
    {Parameter::Restart, QT_TRANSLATE_NOOP("RuleChoice", "restar&t: "),
     QT_TRANSLATE_NOOP("RuleChoice", "MAX-MIN Ant System: generations without a shorter path before the pheromone "
                                     "starts afresh; 0 never, up to 1000000"),
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
    {"vormis", QT_TRANSLATE_NOOP("RuleChoice", "Vormis (the window's own)"),
     QT_TRANSLATE_NOOP("RuleChoice", "Routing weights that only grow: an ant at the food adds alpha \u00d7 pheromone + "
                                     "beta \u00d7 heuristic to each cell of its path. Only the pheromone evaporates; "
                                     "the colony does not settle."),
     QT_TRANSLATE_NOOP("RuleChoice", "Vormis's own rule, from no paper.")},
    {"as", QT_TRANSLATE_NOOP("RuleChoice", "Ant System"),
     QT_TRANSLATE_NOOP("RuleChoice", "Choice in proportion to pheromone^alpha \u00d7 heuristic^beta. Each generation "
                                     "all pheromone loses the share ro, and each ant at the food adds 1/L to its path "
                                     "of L cells."),
     QT_TRANSLATE_NOOP("RuleChoice", "Dorigo, Maniezzo, Colorni, IEEE Trans. SMC-B 26(1):29\u2013" "41, 1996.")},
    {"acs", QT_TRANSLATE_NOOP("RuleChoice", "Ant Colony System"),
     QT_TRANSLATE_NOOP("RuleChoice", "With probability q0 the best-looking cell outright, else as Ant System. Entering "
                                     "a cell takes its pheromone back towards the start by xi; only the best path so "
                                     "far gains."),
     QT_TRANSLATE_NOOP("RuleChoice", "Dorigo, Gambardella, IEEE Trans. Evol. Comp. 1(1):53\u2013" "66, 1997.")},
    {"mmas", QT_TRANSLATE_NOOP("RuleChoice", "MAX-MIN Ant System"),
     QT_TRANSLATE_NOOP("RuleChoice", "As Ant System, but only the generation's best ant adds pheromone, which stays "
                                     "between two bounds; after restart generations without a shorter path it starts "
                                     "afresh."),
     QT_TRANSLATE_NOOP("RuleChoice", "St\u00fctzle, Hoos, Future Generation Computer Systems 16(8):889\u2013" "914, "
                                     "2000.")},
    {"eas", QT_TRANSLATE_NOOP("RuleChoice", "Elitist Ant System"),
     QT_TRANSLATE_NOOP("RuleChoice", "Ant System in which the best path so far gains as much pheromone more in every "
                                     "generation as elite more ants would give it."),
     QT_TRANSLATE_NOOP("RuleChoice", "The elitist strategy of Dorigo, Maniezzo, Colorni, IEEE Trans. SMC-B "
                                     "26(1):29\u2013" "41, 1996.")},
    {"ras", QT_TRANSLATE_NOOP("RuleChoice", "Rank-based Ant System"),
     QT_TRANSLATE_NOOP("RuleChoice", "Only the rank - 1 best ants of the generation add pheromone, the better ranked "
                                     "the more, and the best path so far as much as rank ants."),
     QT_TRANSLATE_NOOP("RuleChoice", "Bullnheimer, Hartl, Strauss, Central European J. of Operations Research "
                                     "7(1):25\u2013" "38, 1999.")},
    {"bwas", QT_TRANSLATE_NOOP("RuleChoice", "Best-Worst Ant System"),
     QT_TRANSLATE_NOOP("RuleChoice", "The best path so far gains pheromone, the generation's longest path loses more, "
                                     "the pheromone mutates, and the colony starts afresh once it has converged."),
     QT_TRANSLATE_NOOP("RuleChoice", "Cord\u00f3n, Fern\u00e1ndez de Viana, Herrera, Proceedings of ANTS 2000, "
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
    return RuleChoice::tr(text ? text->title : ruleTitle(rule));
}

// The parameter's value in a world, as a number.
double parameterValue(const World &world, Parameter parameter)
{
    return worldParameters(world)[static_cast<std::size_t>(parameter)].constFirst().toDouble();
}

} // namespace

RuleChoice::RuleChoice(int fieldsPerRow, QWidget *parent)
    : QWidget(parent), m_rows(new QGridLayout(this))
{
    m_rows->setContentsMargins(0, 0, 0, 0);
    addRuleRows();
    addParameterRows(fieldsPerRow);
    m_rows->setColumnStretch(1, 1);
}

// The combo box of every rule the engine has, and what the chosen one does.
void RuleChoice::addRuleRows()
{
    QLabel *ruleLabel = new QLabel(tr("&Rule: "));
    m_ruleBox = new QComboBox;
    m_ruleBox->setObjectName(QStringLiteral("ruleBox"));
    for (const Rule rule : allRules())
        m_ruleBox->addItem(ruleDisplayName(rule), static_cast<int>(rule));
    ruleLabel->setBuddy(m_ruleBox);
    m_ruleBox->setAccessibleName(tr("Rule"));
    m_ruleBox->setAccessibleDescription(tr("How the ants choose their next cell and how the pheromone changes"));
    connect(m_ruleBox, &QComboBox::currentIndexChanged, this, &RuleChoice::showRule);
    connect(m_ruleBox, &QComboBox::currentIndexChanged, this, &RuleChoice::choiceChanged);

    // The lines wrap to the page's width and never widen it.
    m_ruleText = new QLabel;
    m_ruleText->setWordWrap(true);
    m_ruleText->setTextFormat(Qt::RichText);
    m_ruleText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_ruleText->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Minimum);
    m_ruleText->setMinimumHeight(m_ruleText->fontMetrics().lineSpacing() * 4);

    m_rows->addWidget(ruleLabel, 0, 0);
    m_rows->addWidget(m_ruleBox, 0, 1);
    m_rows->addWidget(m_ruleText, 1, 0, 1, 2);
}

// A labelled box for each parameter of kParameters, fieldsPerRow to a row,
// so that the Rule page takes no more room than the Ants page.
void RuleChoice::addParameterRows(int fieldsPerRow)
{
    QGridLayout *fields = new QGridLayout;
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
        connect(box, &QDoubleSpinBox::valueChanged, this, &RuleChoice::choiceChanged);
        const int index = static_cast<int>(m_fields.size());
        fields->addWidget(label, index / fieldsPerRow, index % fieldsPerRow * 2);
        fields->addWidget(box, index / fieldsPerRow, index % fieldsPerRow * 2 + 1);
        m_fields.push_back({spec.parameter, label, box});
    }
    for (int column = 0; column < fieldsPerRow; ++column)
        fields->setColumnStretch(column * 2 + 1, 1);
    m_rows->addLayout(fields, m_rows->rowCount(), 0, 1, 2);
}

void RuleChoice::addRow(QWidget *label, QWidget *field)
{
    const int row = m_rows->rowCount();
    if (!field) {
        m_rows->addWidget(label, row, 0, 1, 2);
        return;
    }
    m_rows->addWidget(label, row, 0);
    m_rows->addWidget(field, row, 1);
}

void RuleChoice::hideDescription()
{
    m_ruleText->hide();
    showRule();
}

void RuleChoice::showChoice(const World &world)
{
    const QSignalBlocker quiet(this);
    m_ruleBox->setCurrentIndex(m_ruleBox->findData(static_cast<int>(world.rule)));
    for (const ParameterField &field : m_fields)
        field.box->setValue(parameterValue(world, field.parameter));
    showRule();
}

void RuleChoice::applyTo(World &world) const
{
    world.rule = chosenRule();
    for (const ParameterField &field : m_fields)
        setParameter(world, field.parameter, QString::number(field.box->value(), 'f', field.box->decimals()));
}

QString RuleChoice::ruleTitle() const
{
    return m_ruleBox->currentText();
}

Rule RuleChoice::chosenRule() const
{
    return static_cast<Rule>(m_ruleBox->currentData().toInt());
}

// The chosen rule's lines and source, under the box or in its tool tip; its
// own parameters enabled, the others greyed out.
void RuleChoice::showRule()
{
    const Rule rule = chosenRule();
    const RuleText *text = textOf(rule);
    const QString lines =
        text ? tr("%1<br><i>%2</i>").arg(tr(text->what).toHtmlEscaped(), tr(text->source).toHtmlEscaped())
             : QString();
    m_ruleText->setText(lines);
    if (m_ruleText->isHidden())
        m_ruleBox->setToolTip(lines);
    const QString name = QLatin1String(ruleName(rule));
    for (const ParameterField &field : m_fields) {
        const bool takes = ruleTakes(name, field.parameter);
        field.label->setEnabled(takes);
        field.box->setEnabled(takes);
    }
}
