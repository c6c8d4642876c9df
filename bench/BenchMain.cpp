// The benchmark runner: every registered case, listedit and the bare control alternately, a
// warm-up and then at least five timed runs per side (nine by default), in a visible host window
// of fixed size.
//
//     listedit_bench.exe [--json out.json] [--runs N] [--scale F] [name filter]
//
// --scale multiplies every case's size (0.1 for a quick look).
//
// Prints one table (case, size, the median time of each side, ratio, goal) and writes the same as
// JSON with every run. The ratio is the median of the ratios of the runs made back to back: on a
// machine shared with other work the load changes between runs, and each pair sees the same load.
#include "BenchCase.h"

#include <algorithm>
#include <cstdio>
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
    std::vector<double> listedit, bare; // seconds per run
};

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
    Result r{c.name, c.size, c.goal, {}, {}};
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

bool WriteJson(const std::wstring& path, const std::vector<Result>& results, int runs) {
    FILE* f = ::_wfopen(path.c_str(), L"w");
    if (!f) return false;
    std::fprintf(f, "{\n  \"runs_per_side\": %d,\n  \"unit\": \"seconds\",\n  \"cases\": [\n", runs);
    for (size_t i = 0; i < results.size(); ++i) {
        const Result& r = results[i];
        double lm = Median(r.listedit), bm = Median(r.bare), ratio = PairedRatio(r);
        std::string goal = r.goal > 0 ? std::to_string(r.goal) : "null";
        std::fprintf(f,
                     "    {\"case\": %s, \"size\": %d, \"listedit_median\": %.6f, \"bare_median\": %.6f, "
                     "\"ratio\": %.3f, \"goal\": %s,\n     \"listedit_runs\": %s, \"bare_runs\": %s}%s\n",
                     Json(r.name).c_str(), r.size, lm, bm, ratio, goal.c_str(), JsonArray(r.listedit).c_str(),
                     JsonArray(r.bare).c_str(), i + 1 < results.size() ? "," : "");
    }
    std::fprintf(f, "  ]\n}\n");
    return std::fclose(f) == 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    std::wstring jsonPath, filter;
    int runs = 9;
    double scale = 1.0;
    for (int i = 1; i < argc; ++i) {
        std::wstring arg = argv[i];
        if (arg == L"--json" && i + 1 < argc) {
            jsonPath = argv[++i];
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
    std::printf("medians of %d runs per side after a warm-up; ratio: median of back-to-back pairs\n", runs);
    if (!jsonPath.empty() && !WriteJson(jsonPath, results, runs)) {
        std::fprintf(stderr, "bench: cannot write the JSON file\n");
        return 1;
    }
    return 0;
}
