// Morvane program grading.
// The parser lines that solve a path of a global path formula, and the names they use.
#pragma once

#include <string>
#include <vector>

/// The parser lines that bring the ends of the path first..last to their recorded grading,
/// held by the reference names endRule (the last point's) and startRule (the first point's):
/// - end and start kept: "%MF(%LP(first, last), endRule)" then
///   "%RKD(%LP(first, last), endRule, 0)";
/// - end kept alone: "%TR(%LP(first, last), endRule.X-last.X, endRule.Y-last.Y)" then
///   "%RKD(%LP(first, last), startRule, m)" with m the size mode with bit 15 set;
/// - otherwise: "%RKD(%LP(first, last), endRule, m)" with m the size mode.
std::vector<std::string> pathEndTexts(bool endKept, bool startKept, int sizeMode,
                                      const std::string &first, const std::string &last,
                                      const std::string &endRule, const std::string &startRule);

/// "%LHD(%LP(start, end), %VA(a,b,...))": the list joined by "," without blanks.
std::string pathDistributionText(const std::string &start, const std::string &end,
                                 const std::vector<std::string> &list);

/// name when names does not hold it (compared without regard to case) and it does not look like a
/// segment measure's name ("k" and digits, which the parser would read as the point); else name,
/// "_" and the first counter from 1 that gives a name names does not hold.
std::string uniquePointName(const std::string &name, const std::vector<std::string> &names);
