// Morvane test support.
// The grade rules of a RUL file as numbers, to check what a saved style's rules say.
#pragma once

#include "foundation/DPoint.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <locale>
#include <map>
#include <sstream>
#include <string>
#include <vector>

/// The displacement of every rule of a RUL file's text in every size, by rule name.
inline std::map<std::string, std::vector<DPOINT>> readRulRules(std::istream &text)
{
    std::map<std::string, std::vector<DPOINT>> rules;
    std::string line;
    std::vector<DPOINT> *current = nullptr;
    while (std::getline(text, line)) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.pop_back();
        if (line.rfind("RULE: DELTA ", 0) == 0) {
            current = &rules[line.substr(12)];
            continue;
        }
        if (current == nullptr || line.rfind("END", 0) == 0)
            continue;
        std::replace(line.begin(), line.end(), ',', ' ');
        std::istringstream numbers(line);
        numbers.imbue(std::locale::classic());
        double x = 0;
        double y = 0;
        while (numbers >> x >> y)
            current->push_back({x, y});
    }
    return rules;
}

/// The rules of the RUL file at path.
inline std::map<std::string, std::vector<DPOINT>> readRulRules(const std::filesystem::path &path)
{
    std::ifstream file(path);
    return readRulRules(file);
}
