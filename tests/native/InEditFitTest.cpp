#include "edit/InEditFit.h"

#include <gtest/gtest.h>

using namespace listedit::inedit;

TEST(InEditFit, WidthFollowsTheTextWithinTheParent) {
    // No refit while the text is no wider than the editor and the threshold; otherwise the text's
    // width, clipped at the parent's right edge, never negative for an editor starting beyond it.
    const std::optional<int> keep;
    struct Row {
        int text, client, left, parentRight, minLength;
        std::optional<int> width;
    } rows[] = {
        {30, 100, 10, 500, 40, keep}, {40, 40, 10, 500, 40, keep},   {150, 100, 10, 500, 10, 150},
        {60, 100, 10, 500, 40, 60},   {490, 100, 10, 500, 10, 490},  {800, 100, 10, 500, 10, 490},
        {50, 20, 600, 500, 10, 0},    {150, 100, -40, 500, 10, 150},
    };
    for (const Row& r : rows)
        EXPECT_EQ(FitWidth(r.text, r.client, r.left, r.parentRight, r.minLength), r.width)
            << r.text << " " << r.left;
}

TEST(InEditFit, CellEditorSitsRightOfTheImageAndAtLeastTwiceAsWideAsHigh) {
    const Box cell{100, 20, 200, 37}; // 17 high: the editor is 20 high, so at least 40 wide
    struct Row {
        std::optional<Box> icon;
        int text, clientRight;
        Box rect;
    } rows[] = {
        {std::nullopt, 150, 600, {100, 20, 250, 40}},
        {std::nullopt, 12, 600, {100, 20, 140, 40}},           // empty text: twice as wide as high
        {Box{100, 20, 116, 37}, 150, 600, {116, 20, 266, 40}}, // right of the image
        {Box{80, 20, 100, 37}, 150, 600, {100, 20, 250, 40}},  // the image left of the cell
        {std::nullopt, 900, 600, {100, 20, 600, 40}},          // cut at the client's edge
        {std::nullopt, 50, 90, {100, 20, 100, 40}},            // the cell beyond it: no width
    };
    for (const Row& r : rows) {
        const CellEditor e = PlaceCellEditor(cell, r.icon, r.text, r.clientRight);
        EXPECT_EQ(std::pair(e.rect, e.minLength), std::pair(r.rect, 40)) << r.text << " " << r.clientRight;
    }
}
