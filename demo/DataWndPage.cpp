// Data windows, one per type code, each with the text GetText reports beside it; the text row has
// a right button whose clicks the panel counts, the integer row a spin.
#include "DemoPanel.h"

namespace {

class CDataWndPanel : public CDemoPanel {
protected:
    struct Row {
        CDataWnd* data; // self-deleting: lives as long as its window, a child of the panel
        CWnd* value;
    };
    std::vector<Row> m_rows;
    CWnd* m_pClicks = nullptr;
    int m_nClicks = 0;
    static constexpr UINT kFirstId = 2000;
    static constexpr UINT_PTR kRefreshTimer = 1;

    LPCWSTR Title() const override { return L"CDataWnd: one value, the editor chosen by the type code"; }

    int Fill(int y) override {
        // A data window paints only where its editor is (its class has no background): the panel's
        // own background must reach beneath it, as a list's cell does beneath its data window.
        ModifyStyle(WS_CLIPCHILDREN, 0);
        CStringArray colours;
        for (LPCWSTR s : {L"Red", L"Green", L"Blue"}) colours.Add(s);
        CStringArray cities;
        for (LPCWSTR s : {L"Berlin", L"Lisbon", L"Osaka"}) cities.Add(s);

        CDataWnd* text = AddRow(L"1 DWT_TEXT, right button", DWT_TEXT, L"Hello, world", y);
        text->SetRightButton(L"...");
        text->GetRightButton()->SetFont(Font());
        AddRow(L"2 DWT_NUMBER", DWT_NUMBER, L"1234.5", y += Px(30));
        CDataWnd* integer = AddRow(L"3 DWT_INTEGER, spin 0..100", DWT_INTEGER, L"42", y += Px(30));
        integer->SetIntEditSpin(0, 100);
        AddRow(L"4 DWT_DATE", DWT_DATE, L"2024-03-05", y += Px(30));
        AddRow(L"5 DWT_NUMBER2", DWT_NUMBER2, L"-0.25", y += Px(30));
        AddRow(L"6 DWT_LIST", DWT_LIST, L"Green", y += Px(30), &colours);
        AddRow(L"7 DWT_CHECK", DWT_CHECK, L"1", y += Px(30));
        AddRow(L"8 DWT_COMBO", DWT_COMBO, L"Tokyo", y += Px(30), &cities);

        m_pClicks = AddLabel(L"Right button: not clicked yet", Box(8, y + Px(34), kRight, 20));
        Refresh();
        SetTimer(kRefreshTimer);
        return y + Px(56);
    }

    CDataWnd* AddRow(LPCWSTR caption, int type, LPCWSTR initial, int y,
                     const CStringArray* choices = nullptr) {
        AddLabel(caption, Box(8, y + Px(3), 190, 20));
        auto* data = new CDataWnd;
        UINT id = kFirstId + static_cast<UINT>(m_rows.size());
        data->Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, Box(196, y, 416, 24), this, id);
        data->SetType(type); // the editor asks the panel for its font (WM_GETFONT below)
        if (choices) data->SetStringArrayBySelectType(*choices);
        data->SetText(initial);
        m_rows.push_back({data, AddLabel(L"", Box(430, y + Px(3), kRight, 20))});
        return data;
    }

    void Refresh() {
        for (auto& row : m_rows) {
            CString line = L"GetText: \"" + row.data->GetText() + L"\"";
            if (row.data->GetModified()) line += L" (modified)";
            if (line != row.value->GetWindowText()) row.value->SetWindowText(line);
        }
    }

    void SetTimer(UINT_PTR id) { ::SetTimer(m_hWnd, id, 250, nullptr); }

    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
        auto* hdr = reinterpret_cast<NMHDR*>(lParam);
        if (hdr->code == static_cast<UINT>(-1) && !m_rows.empty() &&
            hdr->hwndFrom == m_rows[0].data->m_hWnd) {
            CString text;
            text.Format(L"Right button: clicked %d time(s); the text row holds \"%s\"", ++m_nClicks,
                        m_rows[0].data->GetText().GetString());
            m_pClicks->SetWindowText(text);
            return TRUE;
        }
        return CDemoPanel::OnNotify(wParam, lParam, pResult);
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(Font());
        case WM_TIMER:
            if (wParam == kRefreshTimer) Refresh();
            return 0;
        default:
            return CDemoPanel::WindowProc(message, wParam, lParam);
        }
    }
};

const DemoPageRegistrar kPage{{20, L"Data window", L"datawnd", {[]() -> std::unique_ptr<CDemoPanel> {
                                   return std::make_unique<CDataWndPanel>();
                               }}}};

} // namespace
