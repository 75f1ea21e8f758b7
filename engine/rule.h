#ifndef VORMIS_RULE_H
#define VORMIS_RULE_H

#include <string>
#include <vector>

// How the ants choose their next cell and how the pheromone changes.  The
// window's own rule is the default; the three textbook rules choose by
// tau^alpha * eta^beta and differ in how tau is updated.
enum class Rule {
    Vormis,          // the window's own: routing values that only grow
    AntSystem,       // Dorigo, Maniezzo and Colorni 1996
    AntColonySystem, // Dorigo and Gambardella 1997
    MaxMinAntSystem  // Stuetzle and Hoos 2000
};

// Every rule the engine has, the window's own first.
std::vector<Rule> allRules();
// The short name used on command lines: vormis, as, acs, mmas.
const char *ruleName(Rule rule);
// The name for people: "the window's rule", "Ant System", ...
const char *ruleTitle(Rule rule);
// The rule with that short name; false for an unknown name.
bool ruleFromName(const std::string &name, Rule &rule);

constexpr double kDefaultQ0 = 0.9; // Ant Colony System: chance of taking the best cell outright
constexpr double kDefaultXi = 0.1; // Ant Colony System: weight of the local update

#endif
