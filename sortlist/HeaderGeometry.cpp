// Window-free geometry of a sorted header item.
#include "HeaderGeometry.h"

#include <algorithm>

namespace listedit::sortlist {

Align TitleAlign(unsigned format) {
    if (format & kFormatCenter) return Align::Center;
    if (format & kFormatRight) return Align::Right;
    return Align::Left;
}

Rect TitleRect(const Rect& item, int space, bool pressed, bool sorted, int px) {
    Rect r = item;
    if (pressed) {
        r.left += px;
        r.top += 2 * px;
        r.right += px;
    }
    if (sorted) r.right -= 3 * space;
    r.left += space;
    r.right -= space;
    return r;
}

Rect RankRect(const Rect& item, int space, int width, int px) {
    const int right = item.right - 5 * space / 2 - 3 * px;
    return {right - width, item.top, right, item.bottom};
}

Rect TitleBesideRank(const Rect& title, const Rect& rank, int space) {
    Rect r = title;
    r.right = std::min(r.right, rank.left - space);
    return r;
}

std::vector<Stroke> TriangleStrokes(const Rect& item, int o, bool ascending, int px) {
    const int R = item.right, B = item.bottom;
    const int o3h = 3 * o / 2, o5h = 5 * o / 2;
    using enum Pen;
    using enum Op;
    if (ascending) {
        return {
            {Light, MoveTo, {R - 2 * o, o - px}},       {Light, LineTo, {R - o3h, B - o}},
            {Light, LineTo, {R - o5h - 2 * px, B - o}}, {Dark, MoveTo, {R - o5h - px, B - o - px}},
            {Dark, LineTo, {R - 2 * o, o - 2 * px}},
        };
    }
    return {
        {Light, MoveTo, {R - o3h, o - px}},       {Light, LineTo, {R - 2 * o - px, B - o + px}},
        {Light, MoveTo, {R - 2 * o - px, B - o}}, {Dark, LineTo, {R - o5h - px, o - px}},
        {Dark, LineTo, {R - o3h, o - px}},
    };
}

} // namespace listedit::sortlist
