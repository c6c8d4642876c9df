// The property list's page: one row of each type code, two bold rows, a name too long for its
// column, and a derived list that puts a browse button on one row's data window.
#include "DemoPanel.h"

namespace {

// Row 0 gets a "..." button on its data window; a click fills in a file name, as a file dialog
// would. The row is the only text row, so the button goes as soon as the edit leaves it (another
// type rebuilds the data window's editor).
class CBrowsePropertyList : public CPropertyListCtrl {
public:
    static constexpr int kBrowseRow = 0;
    CWnd* m_pStatus = nullptr;

    // Begins editing nRow as a click on its value cell would.
    void ClickValue(int nRow) {
        CRect rc;
        GetSubItemRect(nRow, 1, LVIR_BOUNDS, rc);
        const LPARAM pt = MAKELPARAM(rc.left + 4, rc.top + 3);
        SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, pt);
        SendMessage(WM_LBUTTONUP, 0, pt);
    }
    // The mouse coming to rest over nRow's name.
    void RestOnName(int nRow) {
        CRect rc;
        GetItemRect(nRow, &rc, LVIR_LABEL);
        POINT pt{rc.left + 20, rc.top + 3};
        ClientToScreen(&pt);
        ::SetCursorPos(pt.x, pt.y);
        AfxPumpPendingMessages();
        ScreenToClient(&pt);
        SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    }

protected:
    void ShowIndex(int nIndex) override {
        CPropertyListCtrl::ShowIndex(nIndex);
        if (nIndex == kBrowseRow && m_pDataWnd && !m_pDataWnd->GetRightButton()) {
            m_pDataWnd->SetRightButton(L"...");
            m_pDataWnd->GetRightButton()->SetFont(GetFont());
        }
    }
    void OnDataWndRButtonClk() override {
        ++m_nClicks;
        m_pDataWnd->SetText(L"C:\\Projects\\Harbour\\harbour.prj");
        CString text;
        text.Format(L"Browse button clicked %d time(s) on row %d", m_nClicks, m_nCurIndex);
        if (m_pStatus) m_pStatus->SetWindowText(text);
    }

private:
    int m_nClicks = 0;
};

class CPropertyListPanel : public CDemoPanel {
protected:
    LPCWSTR Title() const override { return L"CPropertyListCtrl: names and values, edited in place"; }

    int Fill(int y) override {
        CStringArray names, colours, cities, none;
        CUIntArray types;
        CPtrArray values;
        for (LPCWSTR s : {L"Red", L"Green", L"Blue"}) colours.Add(s);
        for (LPCWSTR s : {L"Berlin", L"Lisbon", L"Osaka"}) cities.Add(s);
        const struct {
            LPCWSTR name;
            int type;
            LPCWSTR value;
            const CStringArray* choices;
        } rows[] = {
            {L"Project file", DWT_TEXT, L"C:\\Projects\\demo.prj", nullptr},
            {L"Unit price", DWT_NUMBER, L"12.50", nullptr},
            {L"Quantity", DWT_INTEGER, L"3", nullptr},
            {L"Delivery date", DWT_DATE, L"2024-3-5", nullptr},
            {L"Discount rate", DWT_NUMBER2, L"0.05", nullptr},
            {L"Colour", DWT_LIST, nullptr, &colours},
            {L"Gift wrapped", DWT_CHECK, L"1", nullptr},
            {L"City in which the parcel is to be handed over to its receiver, as the delivery note names it",
             DWT_COMBO, nullptr, &cities},
        };
        std::vector<std::unique_ptr<CStringArray>> singles;
        for (const auto& r : rows) {
            names.Add(r.name);
            types.Add(static_cast<UINT>(r.type));
            if (!r.choices) {
                singles.push_back(std::make_unique<CStringArray>());
                singles.back()->Add(r.value);
            }
            values.Add(const_cast<CStringArray*>(r.choices ? r.choices : singles.back().get()));
        }
        m_list = Add<CBrowsePropertyList>();
        m_list->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, Box(8, y, 340, 9 * 22), this, 1);
        m_list->InsertItem(names, types, values);
        m_list->SetBoldShow(1, TRUE);
        m_list->SetBoldShow(3, TRUE);
        m_list->SetShowSelection(TRUE);

        // Wine's word break may end a line before a '+' (between a letter and a plus sign); a word
        // joiner there keeps each key combination on one line.
        AddLabel(
            L"Click a value to edit it. Tab, Enter and Ctrl\u2060+Down go to the next row, Ctrl\u2060+Up to "
            L"the previous one. The first row has a browse button; rest the mouse on the last name.",
            Box(352, y, kRight, 84));
        m_list->m_pStatus = AddLabel(L"Browse button: not clicked yet", Box(352, y + Px(92), kRight, 36));
        return y + Px(9 * 22 + 8);
    }

    // The page's picture shows the first row being edited, with its button; a second one the tip
    // over the long name.
    std::vector<Shot> Shots() override {
        return {{L"", [this] { m_list->ClickValue(0); }}, {L"titletip", [this] { m_list->RestOnName(7); }}};
    }

    CBrowsePropertyList* m_list = nullptr;
};

std::unique_ptr<CDemoPanel> MakePropertyListPanel() {
    return std::make_unique<CPropertyListPanel>();
}

const DemoPageRegistrar kPage{{40, L"Property list", L"proplist", {&MakePropertyListPanel}}};

} // namespace
