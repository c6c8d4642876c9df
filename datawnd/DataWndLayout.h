// The data window's lengths, given at 96 dots per inch; the window scales them to its DPI where it
// uses them.
#pragma once

namespace listedit::datawnd {

struct DataWndLayout {
    int checkBoxWidth = 20; // centred in the client area, as tall as it
    int dropHeight = 200;   // a list or combo's dropped list, below the client area

    // The left edge of a box `width` wide centred between left and right.
    static constexpr int CentredLeft(int left, int right, int width) {
        return (left + right) / 2 - width / 2;
    }
};
inline constexpr DataWndLayout kDataWndLayout{};

} // namespace listedit::datawnd
