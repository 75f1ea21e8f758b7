#include "rule.h"

namespace {

struct RuleNames
{
    Rule rule;
    const char *name;
    const char *title;
    bool restarts;
};

constexpr RuleNames kRules[] = {
    {Rule::Vormis, "vormis", "the window's rule", false},
    {Rule::AntSystem, "as", "Ant System", false},
    {Rule::AntColonySystem, "acs", "Ant Colony System", false},
    {Rule::MaxMinAntSystem, "mmas", "MAX-MIN Ant System", true},
    {Rule::ElitistAntSystem, "eas", "Elitist Ant System", false},
    {Rule::RankBasedAntSystem, "ras", "Rank-based Ant System", false},
    {Rule::BestWorstAntSystem, "bwas", "Best-Worst Ant System", true},
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
