#include "rule.h"

// Marks the titles for lupdate, under the context "Rule", for the window's
// translations; the engine knows no Qt, and the mark leaves the text as it is.
#define QT_TRANSLATE_NOOP(context, text) text

namespace {

struct RuleNames
{
    Rule rule;
    const char *name;
    const char *title;
    bool restarts;
};

constexpr RuleNames kRules[] = {
    {Rule::Vormis, "vormis", QT_TRANSLATE_NOOP("Rule", "the window's rule"), false},
    {Rule::AntSystem, "as", QT_TRANSLATE_NOOP("Rule", "Ant System"), false},
    {Rule::AntColonySystem, "acs", QT_TRANSLATE_NOOP("Rule", "Ant Colony System"), false},
    {Rule::MaxMinAntSystem, "mmas", QT_TRANSLATE_NOOP("Rule", "MAX-MIN Ant System"), true},
    {Rule::ElitistAntSystem, "eas", QT_TRANSLATE_NOOP("Rule", "Elitist Ant System"), false},
    {Rule::RankBasedAntSystem, "ras", QT_TRANSLATE_NOOP("Rule", "Rank-based Ant System"), false},
    {Rule::BestWorstAntSystem, "bwas", QT_TRANSLATE_NOOP("Rule", "Best-Worst Ant System"), true},
};

const RuleNames &namesOf(Rule rule)
{
    for (const RuleNames &r : kRules)
        if (r.rule == rule)
            return r;
    return kRules[0];
}

} // namespace

std::vector<Rule> allRules()
{
    std::vector<Rule> rules;
    for (const RuleNames &r : kRules)
        rules.push_back(r.rule);
    return rules;
}

const char *ruleName(Rule rule)
{
    return namesOf(rule).name;
}

const char *ruleTitle(Rule rule)
{
    return namesOf(rule).title;
}

bool ruleFromName(const std::string &name, Rule &rule)
{
    for (const RuleNames &r : kRules) {
        if (name == r.name) {
            rule = r.rule;
            return true;
        }
    }
    return false;
}

bool ruleRestarts(Rule rule)
{
    return namesOf(rule).restarts;
}
