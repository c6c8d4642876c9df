// Benchmark: each control against the bare Win32 control doing the same work in the same run.
// Prints one line per case with both times and their ratio.
#include <listedit.h>

#include <chrono>
#include <cstdio>
#include <functional>

namespace {

double Seconds(const std::function<void()>& work) {
    auto t0 = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

void Report(const char* name, double bare, double ours) {
    std::printf("%-44s bare %8.3f s   listedit %8.3f s   ratio %5.2f\n", name, bare, ours, ours / bare);
}

// Types n characters (cycling through `chars`) and starts over every `block` characters, so the
// cost per character stays that of a short edit.
void TypeInto(HWND hWnd, int n, const wchar_t* chars, int block, const std::function<void()>& restart) {
    size_t len = wcslen(chars);
    for (int i = 0; i < n; ++i) {
        if (i % block == 0) restart();
        ::SendMessageW(hWnd, WM_CHAR, chars[static_cast<size_t>(i) % len], 1);
    }
}

void TypeInto(HWND hWnd, int n, const wchar_t* chars, int block) {
    TypeInto(hWnd, n, chars, block,
             [hWnd] { ::SendMessageW(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"")); });
}

void SetTexts(HWND hWnd, int n) {
    wchar_t buf[32];
    for (int i = 0; i < n; ++i) {
        ::swprintf(buf, 32, L"%d.%02d", i, i % 100);
        ::SendMessageW(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(buf));
    }
}

} // namespace

int main() {
    LPCWSTR cls = AfxRegisterWndClass(0);
    CWnd host;
    if (!host.CreateEx(0, cls, L"bench", WS_OVERLAPPEDWINDOW, 0, 0, 400, 200, nullptr, nullptr)) return 1;
    const RECT rc{10, 10, 300, 34};
    CEdit bare;
    CNumEdit num;
    bare.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, rc, &host, 1);
    num.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, rc, &host, 2);
    AfxSetBeepHook([](UINT) {});

    const int kChars = 100000;
    Report("CNumEdit: 100,000 typed digits/points", Seconds([&] { TypeInto(bare, kChars, L"12.34", 20); }),
           Seconds([&] { TypeInto(num, kChars, L"12.34", 20); }));
    Report("CNumEdit: 100,000 SetWindowText", Seconds([&] { SetTexts(bare, kChars); }),
           Seconds([&] { SetTexts(num, kChars); }));

    // The masked edit starts over from its empty mask; the bare edit from an empty text of the same
    // length, with the caret at 0 as the masked edit's.
    CMaskEditEx mask;
    mask.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, rc, &host, 3);
    mask.SetMaskString(L"[0-9][0-9]/[0-9][0-9]/[0-9][0-9][0-9][0-9]", '_');
    auto restartBare = [&] {
        bare.SetWindowText(L"__/__/____");
        bare.SetSel(0, 0);
    };
    auto restartMask = [&] {
        mask.SetText(L"");
        mask.SetSel(0, 0);
    };
    Report("CMaskEditEx: 100,000 typed digits",
           Seconds([&] { TypeInto(bare, kChars, L"0123456789", 8, restartBare); }),
           Seconds([&] { TypeInto(mask, kChars, L"0123456789", 8, restartMask); }));
    Report("CMaskEditEx: 100,000 SetText", Seconds([&] { SetTexts(bare, kChars); }), Seconds([&] {
               wchar_t buf[16];
               for (int i = 0; i < kChars; ++i) {
                   ::swprintf(buf, 16, L"%02d/%02d/%04d", i % 28 + 1, i % 12 + 1, 2000 + i % 50);
                   mask.SetText(buf);
               }
           }));

    // The data window against the bare edit it wraps: a value set and read back through the window.
    auto* data = new CDataWnd; // deletes itself with its window
    data->SetType(DWT_NUMBER);
    data->Create(WS_CHILD | WS_VISIBLE, rc, &host, 4);
    Report("CDataWnd: 100,000 SetText + GetText", Seconds([&] {
               wchar_t buf[32];
               for (int i = 0; i < kChars; ++i) {
                   ::swprintf(buf, 32, L"%d.%02d", i, i % 100);
                   bare.SetWindowText(buf);
                   CString s;
                   bare.GetWindowText(s);
               }
           }),
           Seconds([&] {
               wchar_t buf[32];
               for (int i = 0; i < kChars; ++i) {
                   ::swprintf(buf, 32, L"%d.%02d", i, i % 100);
                   data->SetText(buf);
                   CString s = data->GetText();
               }
           }));
    return 0;
}
