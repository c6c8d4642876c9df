// The data window against the bare edit it wraps: a value set and read back through the window.
#include "BenchCase.h"

#include <memory>

namespace {

struct DataPair {
    CDataWnd* data = new CDataWnd; // deletes itself with its window
    CEdit bare;
    explicit DataPair(CWnd& host) {
        data->SetType(DWT_NUMBER);
        data->Create(WS_CHILD | WS_VISIBLE, RECT{10, 90, 310, 114}, &host, 4);
        bare.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, RECT{10, 130, 310, 154}, &host, 5);
    }
    ~DataPair() { data->DestroyWindow(); }
};

template <class Set, class Get> void RoundTrips(int n, Set set, Get get) {
    wchar_t buf[32];
    for (int i = 0; i < n; ++i) {
        ::swprintf(buf, 32, L"%d.%02d", i, i % 100);
        set(buf);
        CString s = get();
    }
}

const bench::Registrar kCases{{
    {"CDataWnd: SetText + GetText, number", 600, 0.0,
     [](CWnd& host, int n) {
         auto p = std::make_shared<DataPair>(host);
         return bench::Sides{[p, n] {
                                 RoundTrips(
                                     n, [&](LPCWSTR s) { p->data->SetText(s); },
                                     [&] { return p->data->GetText(); });
                             },
                             [p, n] {
                                 RoundTrips(
                                     n, [&](LPCWSTR s) { p->bare.SetWindowText(s); },
                                     [&] { return p->bare.GetWindowText(); });
                             }};
     },
     "the bare edit given and read back the same texts"},
}};

} // namespace
