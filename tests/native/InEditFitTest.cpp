#include "edit/InEditFit.h"

#include <gtest/gtest.h>

using namespace listedit::inedit;

TEST(InEditFit, CellEditorSitsRightOfTheImageAndFollowsTheTextWithinTheParent) {
    // Refitted: text, editor and threshold widths, the editor's left and the parent's right: no refit while
    // the text is no wider than the editor and the threshold; otherwise the text's width, clipped at the
    // parent's right edge, never negative for an editor starting beyond it.
    const std::optional<int> keep;
    const std::tuple<int, int, int, int, int, std::optional<int>> refits[] = {
        {30, 100, 10, 500, 40, keep}, {40, 40, 10, 500, 40, keep},   {150, 100, 10, 500, 10, 150},
        {60, 100, 10, 500, 40, 60},   {490, 100, 10, 500, 10, 490},  {800, 100, 10, 500, 10, 490},
        {50, 20, 600, 500, 10, 0},    {150, 100, -40, 500, 10, 150},
    };
    for (const auto& [text, client, left, parentRight, minLength, width] : refits)
        EXPECT_EQ(FitWidth(text, client, left, parentRight, minLength), width) << text << " " << left;
    // Placed: the image, the text's width and the client's right edge; the cell is 17 high, so the
    // editor 20 high and at least twice as wide.
    const Box cell{100, 20, 200, 37};
    const std::tuple<std::optional<Box>, int, int, Box> rows[] = {
        {std::nullopt, 150, 600, {100, 20, 250, 40}},
        {std::nullopt, 12, 600, {100, 20, 140, 40}},           // empty text: twice as wide as high
        {Box{100, 20, 116, 37}, 150, 600, {116, 20, 266, 40}}, // right of the image
        {Box{80, 20, 100, 37}, 150, 600, {100, 20, 250, 40}},  // the image left of the cell
        {std::nullopt, 900, 600, {100, 20, 600, 40}},          // cut at the client's edge
        {std::nullopt, 50, 90, {100, 20, 100, 40}},            // the cell beyond it: no width
    };
    for (const auto& [icon, text, clientRight, rect] : rows) {
        const CellEditor e = PlaceCellEditor(cell, icon, text, clientRight);
        EXPECT_EQ(std::pair(e.rect, e.minLength), std::pair(rect, 40)) << text << " " << clientRight;
    }
}
