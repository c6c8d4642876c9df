// The edit controls against the bare edit: typing and setting text, and the masked edit against the
// floor its own repair sets.
#include "BenchCase.h"

#include <memory>

namespace {

constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL;
constexpr RECT kRect{10, 10, 310, 34};
constexpr RECT kBareRect{10, 50, 310, 74};
constexpr wchar_t kDateMask[] = L"[0-9][0-9]/[0-9][0-9]/[0-9][0-9][0-9][0-9]";
constexpr wchar_t kEmptyDate[] = L"__/__/____";

template <class Edit> struct Pair {
    Edit ours;
    CEdit bare;
    explicit Pair(CWnd& host) {
        ours.Create(kEditStyle, kRect, &host, 1);
        bare.Create(kEditStyle, kBareRect, &host, 2);
    }
};

void SetTexts(HWND hWnd, int n) {
    wchar_t buf[32];
    for (int i = 0; i < n; ++i) {
        ::swprintf(buf, 32, L"%d.%02d", i, i % 100);
        ::SendMessageW(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(buf));
    }
}

void DateText(wchar_t (&buf)[16], int i) {
    ::swprintf(buf, 16, L"%02d/%02d/%04d", i % 28 + 1, i % 12 + 1, 2000 + i % 50);
}

struct MaskPair : Pair<CMaskEditEx> {
    explicit MaskPair(CWnd& host) : Pair(host) { ours.SetMaskString(kDateMask, '_'); }
    // Both start over from an empty date with the caret at 0 every 8 characters.
    void RestartOurs() {
        ours.SetText(L"");
        ours.SetSel(0, 0);
    }
    void RestartBare() {
        bare.SetWindowText(kEmptyDate);
        bare.SetSel(0, 0);
    }
    void TypeOurs(int n) {
        bench::TypeInto(ours, n, kDigits, 8, [this] { RestartOurs(); });
    }
    void TypeBare(int n) {
        bench::TypeInto(bare, n, kDigits, 8, [this] { RestartBare(); });
    }
    static constexpr std::wstring_view kDigits = L"0123456789";
};

// What one typed character costs the masked edit at the least: painting held back, the edit
// control's own handling of the character, the repaired text set, the caret placed and scrolled
// into view, painting let go and the edit invalidated once.
struct Step {
    std::wstring text;
    int caret;
};

const bench::Registrar kCases{{
    {"CNumEdit: typed digits and points", 2000, 0.0,
     [](CWnd& host, int n) {
         auto p = std::make_shared<Pair<CNumEdit>>(host);
         auto type = [](HWND h, int n) {
             bench::TypeInto(h, n, L"12.34", 20,
                             [h] { ::SendMessageW(h, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"")); });
         };
         return bench::Sides{[p, n, type] { type(p->ours, n); }, [p, n, type] { type(p->bare, n); }};
     },
     "the bare edit typed the same characters"},
    {"CNumEdit: SetWindowText", 800, 0.0,
     [](CWnd& host, int n) {
         auto p = std::make_shared<Pair<CNumEdit>>(host);
         return bench::Sides{[p, n] { SetTexts(p->ours, n); }, [p, n] { SetTexts(p->bare, n); }};
     },
     "the bare edit given the same texts"},
    {"CMaskEditEx: typed digits, date mask", 1000, 0.0,
     [](CWnd& host, int n) {
         auto p = std::make_shared<MaskPair>(host);
         return bench::Sides{[p, n] { p->TypeOurs(n); }, [p, n] { p->TypeBare(n); }};
     },
     "the bare edit typed the same digits over the same date"},
    {"CMaskEditEx: typed digits, against its floor", 1000, 1.05,
     [](CWnd& host, int n) {
         auto p = std::make_shared<MaskPair>(host);
         // The masked edit's own results, replayed by the bare edit as the floor's repair.
         auto steps = std::make_shared<std::vector<Step>>();
         for (int i = 0; i < n; ++i) {
             if (i % 8 == 0) p->RestartOurs();
             p->ours.SendMessage(WM_CHAR, MaskPair::kDigits[static_cast<size_t>(i) % 10], 1);
             int start = 0, end = 0;
             p->ours.GetSel(start, end);
             steps->push_back({std::wstring(p->ours.GetWindowText().GetString()), end});
         }
         auto floor = [p, steps, n] {
             for (int i = 0; i < n; ++i) {
                 if (i % 8 == 0) p->RestartBare();
                 const Step& s = (*steps)[static_cast<size_t>(i)];
                 p->bare.SendMessage(WM_SETREDRAW, FALSE);
                 p->bare.SendMessage(WM_CHAR, MaskPair::kDigits[static_cast<size_t>(i) % 10], 1);
                 p->bare.SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(s.text.c_str()));
                 p->bare.SendMessage(EM_SETSEL, static_cast<WPARAM>(s.caret), s.caret);
                 p->bare.SendMessage(EM_SCROLLCARET);
                 p->bare.SendMessage(WM_SETREDRAW, TRUE);
                 ::InvalidateRect(p->bare, nullptr, TRUE);
             }
         };
         return bench::Sides{[p, n] { p->TypeOurs(n); }, floor};
     },
     "the bare edit doing each character's window work: redraw held, the character, the repaired text, the "
     "caret, redraw and invalidation"},
    {"CMaskEditEx: SetText, date mask", 1500, 0.0,
     [](CWnd& host, int n) {
         auto p = std::make_shared<MaskPair>(host);
         return bench::Sides{[p, n] {
                                 wchar_t buf[16];
                                 for (int i = 0; i < n; ++i) {
                                     DateText(buf, i);
                                     p->ours.SetText(buf);
                                 }
                             },
                             [p, n] {
                                 wchar_t buf[16];
                                 for (int i = 0; i < n; ++i) {
                                     DateText(buf, i);
                                     p->bare.SetWindowText(buf);
                                 }
                             }};
     },
     "the bare edit given the same texts"},
}};

} // namespace
