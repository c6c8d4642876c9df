// A condition composed in a condition list, run by a virtual list's filter over a million records
// (GetFilter, then SetFilter), against the loop an application would write over the same texts:
// wcstod for the number, the day read with wcstol, the name's first letter blind to case.
#include "BenchCase.h"

#include <cwchar>
#include <cwctype>
#include <memory>
#include <random>

namespace {

using Record = CSortListCtrlEx::CItemData;

// Amount (a number with two decimals), day (year-month-day) and name (eight letters).
const std::vector<Record*>& Records(int n) {
    static std::vector<std::unique_ptr<Record>> owned;
    static std::vector<Record*> records;
    if (static_cast<int>(records.size()) < n) {
        std::mt19937 rng(29);
        std::uniform_int_distribution<int> amount(0, 999999), year(1990, 2025), month(1, 12), day(1, 28),
            letter(0, 51);
        wchar_t text[32];
        for (int i = static_cast<int>(records.size()); i < n; ++i) {
            auto p = std::make_unique<Record>();
            const int a = amount(rng);
            std::swprintf(text, 32, L"%d.%02d", a / 100, a % 100);
            p->m_arrText.Add(text);
            const int y = year(rng), m = month(rng), d = day(rng);
            std::swprintf(text, 32, L"%d-%d-%d", y, m, d);
            p->m_arrText.Add(text);
            for (int k = 0; k < 8; ++k) {
                const int v = letter(rng);
                text[k] = static_cast<wchar_t>(v < 26 ? L'a' + v : L'A' + v - 26);
            }
            text[8] = 0;
            p->m_arrText.Add(text);
            records.push_back(p.get());
            owned.push_back(std::move(p));
        }
    }
    return records;
}

// AMOUNT > 5000 and DAY >= 2010-1-1 and NAME Like 'a%'.
struct ConditionPair {
    CConditionListCtrl query;
    CSortListCtrlEx list;
    CConditionFilter filter;
    const std::vector<Record*>& records;
    std::vector<Record*> accepted;

    ConditionPair(CWnd& host, int n) : records(Records(n)) {
        query.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 400, 200), &host, 2);
        query.SetFieldList(L"AMOUNT", static_cast<UINT>(DWT_NUMBER), nullptr, L"DAY",
                           static_cast<UINT>(DWT_DATE), nullptr, L"NAME", static_cast<UINT>(DWT_TEXT),
                           nullptr, nullptr);
        query.AddCondition(L"AMOUNT", L">", L"5000", L"and");
        query.AddCondition(L"DAY", L">=", L"2010-1-1", L"and");
        query.AddCondition(L"NAME", L"Like", L"a%");
        filter.Bind(L"AMOUNT", 0);
        filter.Bind(L"DAY", 1);
        filter.Bind(L"NAME", 2);
        query.GetFilter(filter);
        list.SetDeleteItemData(FALSE);
        list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_OWNERDATA, CRect(0, 200, 400, 600), &host, 1);
        for (int c = 0; c < 3; ++c) list.InsertColumn(c, L"Column", LVCFMT_LEFT, 110);
        list.InsertItems(0, records.data(), n);
    }
    void Filter() {
        list.SetFilter([this](const Record& r) { return filter(r.m_arrText); });
    }
    void Loop() {
        accepted.clear();
        for (Record* r : records) {
            const CString* t = r->m_arrText.GetData();
            if (!(std::wcstod(t[0], nullptr) > 5000)) continue;
            wchar_t* end = nullptr;
            const long y = std::wcstol(t[1], &end, 10);
            const long m = *end == L'-' ? std::wcstol(end + 1, &end, 10) : 0;
            const long d = *end == L'-' ? std::wcstol(end + 1, &end, 10) : 0;
            if (!(y * 10000 + m * 100 + d >= 20100101)) continue;
            if (std::towlower(t[2].GetString()[0]) != L'a') continue;
            accepted.push_back(r);
        }
    }
};

const bench::Registrar kCases{{
    {"CConditionFilter: three terms, 1,000,000", 1000000, 1.2,
     [](CWnd& host, int n) {
         auto p = std::make_shared<ConditionPair>(host, n);
         return bench::Sides{[p] { p->Filter(); }, [p] { p->Loop(); }};
     },
     "a loop over the same texts reading the number with wcstod and the day with wcstol"},
}};

} // namespace
