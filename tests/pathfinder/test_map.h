// Small hand-made maps for the path finder tests, drawn as text rows.
#pragma once

#include <string>
#include <vector>

#include "actors/pathfinder/pathfinder.h"

namespace pathtest {

// '#' is blocked (1.0), '+' free at an extra cost of 0.5, '.' free (0.0). Rows run y = 0 down, characters x =
// 0 across.
struct TestMap {
    explicit TestMap(const std::vector<std::string>& rows)
        : width(static_cast<int>(rows.at(0).size())), height(static_cast<int>(rows.size())) {
        cells.resize(static_cast<std::size_t>(width) * height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) cells[x * height + y] = Value(rows[y][x]);
    }

    static float Value(char c) { return c == '#' ? 1.0f : c == '+' ? 0.5f : 0.0f; }

    void Use() const { actors::TPathfinder::SetMap(cells, width, height); }
    float& At(int x, int y) { return cells[x * height + y]; }

    int width;
    int height;
    std::vector<float> cells;
};

// The part of `route` that the last call described, as x, y pairs.
inline std::vector<int> LastRoute() {
    const auto& route = actors::TPathfinder::route;
    return {route.begin(), route.begin() + 2 * actors::TPathfinder::routeLength};
}

}  // namespace pathtest
