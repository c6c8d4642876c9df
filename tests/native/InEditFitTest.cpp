#include "edit/InEditFit.h"

#include <gtest/gtest.h>

using namespace listedit::inedit;

TEST(InEditFit, WidthFollowsTheTextWithinTheParent) {
    struct Row {
        int text, client, left, parentRight, minLength;
        std::optional<int> width;
    } rows[] = {
        {30, 100, 10, 500, 40, std::nullopt}, // narrower than the editor and the threshold
        {40, 40, 10, 500, 40, std::nullopt},  // equal to both: still no refit
        {150, 100, 10, 500, 10, 150},         // outgrows the editor: widens
        {60, 100, 10, 500, 40, 60},           // wider than the threshold: narrows to the text
        {490, 100, 10, 500, 10, 490},         // reaches the parent's right edge exactly
        {800, 100, 10, 500, 10, 490},         // would pass it: clipped there
        {50, 20, 600, 500, 10, 0},            // starts beyond the parent: no width, not negative
        {150, 100, -40, 500, 10, 150},        // left of the parent's origin (scrolled)
    };
    for (const Row& r : rows) {
        EXPECT_EQ(FitWidth(r.text, r.client, r.left, r.parentRight, r.minLength), r.width)
            << r.text << " " << r.client << " " << r.left;
    }
}

TEST(InEditFit, CellEditorSitsRightOfTheImageAndAtLeastTwiceAsWideAsHigh) {
    const Box cell{100, 20, 200, 37}; // 17 high: the editor is 20 high, so at least 40 wide
    struct Row {
        const char* name;
        std::optional<Box> icon;
        int text, clientRight;
        Box rect;
    } rows[] = {
        {"text", std::nullopt, 150, 600, {100, 20, 250, 40}},
        {"empty text: twice as wide as high", std::nullopt, 12, 600, {100, 20, 140, 40}},
        {"image", Box{100, 20, 116, 37}, 150, 600, {116, 20, 266, 40}},
        {"image left of the cell", Box{80, 20, 100, 37}, 150, 600, {100, 20, 250, 40}},
        {"long text", std::nullopt, 900, 600, {100, 20, 600, 40}},
        {"cell beyond the client", std::nullopt, 50, 90, {100, 20, 100, 40}},
    };
    for (const Row& r : rows) {
        CellEditor e = PlaceCellEditor(cell, r.icon, r.text, r.clientRight);
        EXPECT_EQ(e.rect, r.rect) << r.name;
        EXPECT_EQ(e.minLength, 40) << r.name;
    }
}
