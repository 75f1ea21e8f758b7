#ifndef VORMIS_RULE_H
#define VORMIS_RULE_H

#include <string>
#include <vector>

// How the ants choose their next cell and how the pheromone changes.  The
// window's own rule is the default; the textbook rules choose by
// tau^alpha * eta^beta and differ in how tau is updated.
enum class Rule {
    Vormis,             // the window's own: routing values that only grow
    AntSystem,          // Dorigo, Maniezzo and Colorni 1996
    AntColonySystem,    // Dorigo and Gambardella 1997
    MaxMinAntSystem,    // Stuetzle and Hoos 2000
    ElitistAntSystem,   // Dorigo, Maniezzo and Colorni 1996
    RankBasedAntSystem, // Bullnheimer, Hartl and Strauss 1999
    BestWorstAntSystem  // Cordon, Fernandez de Viana and Herrera 2000
};

// Every rule the engine has, the window's own first.
std::vector<Rule> allRules();
// The short name used on command lines: vormis, as, acs, mmas, eas, ras, bwas.
const char *ruleName(Rule rule);
// The name for people: "the window's rule", "Ant System", ...
const char *ruleTitle(Rule rule);
// The rule with that short name; false for an unknown name.
bool ruleFromName(const std::string &name, Rule &rule);
// Whether the rule starts its pheromone afresh when the colony stagnates
// (Colony::restarts() counts how often).
bool ruleRestarts(Rule rule);

constexpr double kDefaultQ0 = 0.9; // Ant Colony System: chance of taking the best cell outright, 0 to 1
constexpr double kDefaultXi = 0.1; // Ant Colony System: weight of the local update, 0 to 1
// q0 and xi (and ro) are rates: the rules take them from 0 to 1.
constexpr double kLowestRate = 0.0;
constexpr double kHighestRate = 1.0;

// Elitist Ant System: extra deposits of the best path so far each generation.
constexpr int kDefaultElite = 8;
constexpr int kMinElite = 0;
constexpr int kMaxElite = 1000;

// Rank-based Ant System: w; the w - 1 best ants of a generation deposit.
constexpr int kDefaultRank = 6;
constexpr int kMinRank = 1;
constexpr int kMaxRank = 1000;

// MAX-MIN Ant System: generations without a shorter path before the
// pheromone starts afresh; 0 never.
constexpr int kDefaultRestart = 100;
constexpr int kMinRestart = 0;
constexpr int kMaxRestart = 1000000;

#endif
