// Numeric edits over three ranges and one with a decimal comma, each with the value GetValueString
// reports beside it.
#include "DemoPanel.h"

namespace {

class CNumEditPanel : public CDemoPanel {
protected:
    struct Row {
        CNumEdit* edit;
        CWnd* value;
    };
    std::vector<Row> m_rows;

    LPCWSTR Title() const override {
        return L"CNumEdit: digits, one decimal separator, a leading sign; the range decides";
    }

    int Fill(int y) override {
        constexpr double kMax = 1.7976931348623157e308;
        AddRow(L"Full range, 2 digits", 2, kMax, -kMax, L"-1234.567", y);
        AddRow(L"[0, 100], 2 digits (no sign)", 2, 100, 0, L"42.5", y += Px(32));
        AddRow(L"Full range, 0 digits", 0, kMax, -kMax, L"2.6", y += Px(32));
        AddRow(L"Decimal comma, 2 digits", 2, kMax, -kMax, L"-1234,5", y += Px(32), L',');
        Refresh();
        return y + Px(24);
    }

    void AddRow(LPCWSTR caption, int digits, double dMax, double dMin, LPCWSTR initial, int y,
                wchar_t separator = L'.') {
        AddLabel(caption, Box(8, y + Px(3), 172, 20));
        auto* edit = Add<CNumEdit>(digits);
        edit->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, Box(176, y, 336, 24),
                     this, 1000 + static_cast<UINT>(m_rows.size()));
        edit->SetFont(Font());
        edit->SetRange(dMax, dMin);
        edit->SetDecimalSeparator(separator);
        edit->SetWindowText(initial);
        m_rows.push_back({edit, AddLabel(L"", Box(350, y + Px(3), kRight, 20))});
    }

    void Refresh() {
        for (auto& row : m_rows) row.value->SetWindowText(L"GetValueString: " + row.edit->GetValueString());
    }

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (HIWORD(wParam) == EN_CHANGE) Refresh();
        return CDemoPanel::OnCommand(wParam, lParam);
    }
};

} // namespace

std::unique_ptr<CDemoPanel> MakeNumEditPanel() {
    return std::make_unique<CNumEditPanel>();
}
