// Morvane panels and grids, tests.
// A shown grid with texts in its cells, and a recorder of the notifications it sends.
#pragma once

#include "app/panels/grid/GridCtrl.h"

#include <QApplication>

#include <map>
#include <string>
#include <vector>

/// The notifications a grid sent, as "code row,col", and the answers to give per code.
struct NotifyRecorder
{
    std::vector<std::string> calls;
    std::map<int32_t, int32_t> answers;

    CGridCtrl::NotifyHandler handler()
    {
        return [this](int32_t code, int row, int col) {
            calls.push_back(std::to_string(code) + " " + std::to_string(row) + "," +
                            std::to_string(col));
            const auto answer = answers.find(code);
            return answer == answers.end() ? 0 : answer->second;
        };
    }
};

/// A grid of 6 rows and 4 columns, one fixed row and one fixed column, shown at 400 x 300;
/// cell (r, c) holds "r.c".
inline void fillAndShow(CGridCtrl &grid)
{
    for (int row = 0; row < grid.GetRowCount(); ++row) {
        for (int col = 0; col < grid.GetColumnCount(); ++col)
            grid.SetItemText(row, col, std::to_string(row) + "." + std::to_string(col));
    }
    grid.resize(400, 300);
    grid.show();
    QApplication::processEvents();
}
