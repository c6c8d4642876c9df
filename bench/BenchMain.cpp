// The benchmark runner: every registered case, listedit and the bare control alternately, a
// warm-up and then at least five timed runs per side (eleven by default), in a visible host window
// of fixed size.
//
//     listedit_bench.exe [--json out.json] [--markdown out.md] [--data out.dat] [--runs N]
//                        [--scale F] [name filter]
//
// --scale multiplies every case's size (0.1 for a quick look).
//
// Prints one table (case, size, the median time of each side, ratio, goal) and writes the same as
// JSON with every run, as a Markdown table with each case's baseline, and as a data file for the
// chart (index, ratio, goal or NaN, name). The ratio is the median of the ratios of the runs made
// back to back: on a machine shared with other work the load changes between runs, and each pair
// sees the same load.
#include "BenchCase.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>

namespace bench {

std::vector<Case>& Registry() {
    static std::vector<Case> cases;
    return cases;
}

void TypeInto(HWND hWnd, int n, std::wstring_view chars, int block, const std::function<void()>& restart) {
    for (int i = 0; i < n; ++i) {
        if (i % block == 0) restart();
        ::SendMessageW(hWnd, WM_CHAR, chars[static_cast<size_t>(i) % chars.size()], 1);
    }
}

} // namespace bench

namespace {

struct Result {
    std::string name;
    int size;
    double goal;
    std::string baseline;
    std::vector<double> listedit, bare; // seconds per run
};

constexpr const char* kDefaultBaseline = "the bare control doing the same work";

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// The median of listedit/bare over the pairs of runs made back to back.
double PairedRatio(const Result& r) {
    std::vector<double> ratios;
    for (size_t i = 0; i < r.listedit.size(); ++i) ratios.push_back(r.listedit[i] / r.bare[i]);
    return Median(ratios);
}

double Now() {
    static const double freq = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / freq;
}

double Time(const std::function<void()>& run) {
    double t0 = Now();
    run();
    double t = Now() - t0;
    AfxPumpPendingMessages(); // paints and posted work between runs, outside the timing
    return t;
}

Result Measure(const bench::Case& c, CWnd& host, int runs) {
    Result r{c.name, c.size, c.goal, c.baseline.empty() ? kDefaultBaseline : c.baseline, {}, {}};
    // Every case starts with the focus on the host: a caret left in some control by an earlier case
    // would make that side pay for it.
    host.SetFocus();
    bench::Sides sides = c.setup(host, c.size);
    AfxPumpPendingMessages();
    Time(sides.bare); // warm-up: caches, the controls' first allocations
    Time(sides.listedit);
    for (int i = 0; i < runs; ++i) {
        // Alternate which side goes first, so that drift favours neither.
        if (i % 2) {
            r.bare.push_back(Time(sides.bare));
            r.listedit.push_back(Time(sides.listedit));
        } else {
            r.listedit.push_back(Time(sides.listedit));
            r.bare.push_back(Time(sides.bare));
        }
    }
    return r;
}

std::string Json(const std::string& s) {
    std::string out = "\"";
    for (char ch : s) {
        if (ch == '"' || ch == '\\') out += '\\';
        out += ch;
    }
    return out + "\"";
}

std::string JsonArray(const std::vector<double>& v) {
    std::string out = "[";
    char buf[32];
    for (size_t i = 0; i < v.size(); ++i) {
        std::snprintf(buf, sizeof buf, "%s%.6f", i ? ", " : "", v[i]);
        out += buf;
    }
    return out + "]";
}

bool Met(const Result& r) {
    return r.goal <= 0 || PairedRatio(r) <= r.goal;
}

bool WriteJson(const std::wstring& path, const std::vector<Result>& results, int runs) {
    FILE* f = ::_wfopen(path.c_str(), L"w");
    if (!f) return false;
    std::fprintf(f, "{\n  \"runs_per_side\": %d,\n  \"unit\": \"seconds\",\n  \"cases\": [\n", runs);
    for (size_t i = 0; i < results.size(); ++i) {
        const Result& r = results[i];
        double lm = Median(r.listedit), bm = Median(r.bare), ratio = PairedRatio(r);
        char goal[32] = "null";
        if (r.goal > 0) std::snprintf(goal, sizeof goal, "%.2f", r.goal);
        std::fprintf(f,
                     "    {\"case\": %s, \"size\": %d, \"listedit_median\": %.6f, \"bare_median\": %.6f, "
                     "\"ratio\": %.3f, \"goal\": %s, \"met\": %s, \"baseline\": %s,\n"
                     "     \"listedit_runs\": %s, \"bare_runs\": %s}%s\n",
                     Json(r.name).c_str(), r.size, lm, bm, ratio, goal,
                     r.goal > 0 ? (Met(r) ? "true" : "false") : "null", Json(r.baseline).c_str(),
                     JsonArray(r.listedit).c_str(), JsonArray(r.bare).c_str(),
                     i + 1 < results.size() ? "," : "");
    }
    std::fprintf(f, "  ]\n}\n");
    return std::fclose(f) == 0;
}

// The report page: when and how the run was made, the table with each case's baseline, the chart.
bool WriteMarkdown(const std::wstring& path, const std::vector<Result>& results, int runs, double seconds) {
    FILE* f = ::_wfopen(path.c_str(), L"w");
    if (!f) return false;
    char when[32] = "";
    const std::time_t now = std::time(nullptr);
    std::strftime(when, sizeof when, "%Y-%m-%d %H:%M UTC", std::gmtime(&now));
    std::fprintf(
        f,
        "# Where the time goes\n\n"
        "The last run of `./run.sh bench` (%s, Wine on Xvfb, %.0f s in all). Each case times one piece "
        "of work done by a listedit control and by its baseline in the same run, %d runs per side after "
        "a warm-up, the sides alternating; the ratio is listedit / baseline, the median of the ratios of "
        "the runs made back to back (the machine is shared: each pair sees the same load). A goal is the "
        "ratio to stay at or below.\n\n![ratio per case against its goal](bench.png)\n\n"
        "| case | size | listedit ms | baseline ms | ratio | goal | baseline |\n"
        "|---|---:|---:|---:|---:|---:|---|\n",
        when, seconds, runs);
    for (const Result& r : results) {
        char goal[32] = "none";
        if (r.goal > 0) std::snprintf(goal, sizeof goal, "%.2f %s", r.goal, Met(r) ? "met" : "**missed**");
        std::fprintf(f, "| %s | %d | %.1f | %.1f | %.2f | %s | %s |\n", r.name.c_str(), r.size,
                     Median(r.listedit) * 1000, Median(r.bare) * 1000, PairedRatio(r), goal,
                     r.baseline.c_str());
    }
    return std::fclose(f) == 0;
}

// One line per case for the chart: index, ratio, goal (NaN when none), name.
bool WriteData(const std::wstring& path, const std::vector<Result>& results) {
    FILE* f = ::_wfopen(path.c_str(), L"w");
    if (!f) return false;
    for (size_t i = 0; i < results.size(); ++i) {
        const Result& r = results[i];
        std::string name = r.name;
        std::replace(name.begin(), name.end(), '"', '\'');
        if (r.goal > 0)
            std::fprintf(f, "%zu %.3f %.2f \"%s\"\n", i, PairedRatio(r), r.goal, name.c_str());
        else
            std::fprintf(f, "%zu %.3f NaN \"%s\"\n", i, PairedRatio(r), name.c_str());
    }
    return std::fclose(f) == 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    std::wstring jsonPath, markdownPath, dataPath, filter;
    int runs = 11;
    double scale = 1.0;
    for (int i = 1; i < argc; ++i) {
        std::wstring arg = argv[i];
        if (arg == L"--json" && i + 1 < argc) {
            jsonPath = argv[++i];
        } else if (arg == L"--markdown" && i + 1 < argc) {
            markdownPath = argv[++i];
        } else if (arg == L"--data" && i + 1 < argc) {
            dataPath = argv[++i];
        } else if (arg == L"--scale" && i + 1 < argc) {
            scale = std::max(0.001, _wtof(argv[++i]));
        } else if (arg == L"--runs" && i + 1 < argc) {
            runs = std::max(5, _wtoi(argv[++i]));
        } else {
            filter = arg;
        }
    }

    RECT frame{0, 0, bench::kHostWidth, bench::kHostHeight};
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE | WS_CLIPCHILDREN;
    ::AdjustWindowRectEx(&frame, style, FALSE, 0);
    CWnd host;
    if (!host.CreateEx(0, AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)),
                       L"listedit bench", style, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                       nullptr, nullptr)) {
        std::fprintf(stderr, "bench: no host window (no display?)\n");
        return 1;
    }
    ::SetForegroundWindow(host);
    AfxSetBeepHook([](UINT) {}); // refused characters are part of the work, their sound is not
    AfxPumpPendingMessages();

    const double started = Now();
    std::printf("%-46s %8s %12s %12s %7s %6s\n", "case", "size", "listedit ms", "bare ms", "ratio", "goal");
    std::vector<Result> results;
    for (bench::Case c : bench::Registry()) {
        c.size = std::max(1, static_cast<int>(c.size * scale));
        std::wstring name(c.name.begin(), c.name.end());
        if (!filter.empty() && name.find(filter) == std::wstring::npos) continue;
        Result& r = results.emplace_back(Measure(c, host, runs));
        double lm = Median(r.listedit), bm = Median(r.bare), ratio = PairedRatio(r);
        char goal[16] = "";
        if (c.goal > 0) std::snprintf(goal, sizeof goal, "%.2f", c.goal);
        std::printf("%-46s %8d %12.1f %12.1f %7.2f %6s%s\n", c.name.c_str(), c.size, lm * 1000, bm * 1000,
                    ratio, goal, c.goal > 0 && ratio > c.goal ? "  over goal" : "");
        std::fflush(stdout);
    }
    const double seconds = Now() - started;
    std::printf("medians of %d runs per side after a warm-up; ratio: median of back-to-back pairs; %.0f s\n",
                runs, seconds);
    if ((!jsonPath.empty() && !WriteJson(jsonPath, results, runs)) ||
        (!markdownPath.empty() && !WriteMarkdown(markdownPath, results, runs, seconds)) ||
        (!dataPath.empty() && !WriteData(dataPath, results))) {
        std::fprintf(stderr, "bench: cannot write the report files\n");
        return 1;
    }
    return 0;
}
