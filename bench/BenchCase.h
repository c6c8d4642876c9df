// The benchmark's case registry. A case measures one piece of work done by a listedit control and
// by the bare Win32 control it builds on, on the same data, in the same run; the runner reports
// the median of each side and their ratio.
//
// A family adds its cases in its own file (bench/<Family>Bench.cpp, one line in CMakeLists.txt):
//
//     static const bench::Registrar kCases{{
//         {"CNumEdit typing", 2000, 0.0, [](CWnd& host, int size) {
//             auto edits = std::make_shared<Edits>(host);   // controls live as long as the sides
//             return bench::Sides{[=] { Type(edits->num, size); }, [=] { Type(edits->bare, size); }};
//         }, "the bare edit typed the same characters"},
//     }};
//
// Size a case to its purpose: a run of each side should take a few tenths of a second, enough to
// rise above the timer and the scheduler, so that the whole benchmark stays within minutes.
#pragma once
#include <listedit.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace bench {

// One run of each side; both do `size` units of the same work.
struct Sides {
    std::function<void()> listedit;
    std::function<void()> bare;
};

struct Case {
    std::string name;
    int size = 0;      // units of work per run (characters typed, calls made, rows filled)
    double goal = 0.0; // the ratio listedit/bare to stay at or below; 0 when the case has none
    // Creates the controls of both sides as children of host (client area kHostWidth x kHostHeight)
    // and returns the two runs; called once per case, the controls go when the Sides are destroyed.
    std::function<Sides(CWnd& host, int size)> setup;
    std::string baseline = {}; // what the bare side does, in a few words (for the report)
};

inline constexpr int kHostWidth = 800;
inline constexpr int kHostHeight = 600;

// The cases in registration order.
std::vector<Case>& Registry();

struct Registrar {
    Registrar(std::initializer_list<Case> cases) {
        for (const Case& c : cases) Registry().push_back(c);
    }
};

// Sends one WM_CHAR per character of `chars`, n characters in all (cycling), calling restart()
// before every `block` characters so that the cost per character stays that of a short text.
void TypeInto(HWND hWnd, int n, std::wstring_view chars, int block, const std::function<void()>& restart);

} // namespace bench
