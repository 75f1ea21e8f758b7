#include "rule.h"

namespace {

struct RuleNames
{
    Rule rule;
    const char *name;
    const char *title;
};

constexpr RuleNames kRules[] = {
    {Rule::Vormis, "vormis", "the window's rule"},
    {Rule::AntSystem, "as", "Ant System"},
    {Rule::AntColonySystem, "acs", "Ant Colony System"},
    {Rule::MaxMinAntSystem, "mmas", "MAX-MIN Ant System"},
};

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
    for (const RuleNames &r : kRules)
        if (r.rule == rule)
            return r.name;
    return "vormis";
}

const char *ruleTitle(Rule rule)
{
    for (const RuleNames &r : kRules)
        if (r.rule == rule)
            return r.title;
    return kRules[0].title;
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
