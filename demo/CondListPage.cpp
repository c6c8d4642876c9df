// The condition list: fields of every type code, a condition of a few rows added from code, and what
// an application reads back from it: the SQL text, and the parameterized form with the values to
// bind. "Save" stores the text and "Restore" sets it back as rows, as a saved filter would.
// "Chinese" and "English" switch the words the list shows (its own Chinese ones, or the English
// set); the rows are relabelled and the SQL stays the same. The editors are open on a row, as after
// a click on its value.
#include "DemoPanel.h"

#include <tuple>

namespace {

class CCondListPanel : public CDemoPanel {
protected:
    static constexpr UINT kListId = 3100;
    static constexpr UINT kRefreshId = 3101;
    static constexpr UINT kSaveId = 3102;
    static constexpr UINT kRestoreId = 3103;
    static constexpr UINT kChineseId = 3104;
    static constexpr UINT kEnglishId = 3105;
    CConditionListCtrl* m_pList = nullptr;
    CWnd* m_pSql = nullptr;
    CWnd* m_pParams = nullptr;
    CWnd* m_pSaved = nullptr;
    CString m_strSaved; // what "Save" stored
    CStringArray m_cities, m_depts;

    LPCWSTR Title() const override {
        return L"CConditionListCtrl: a query condition composed row by row (click a row, pick a field; "
               L"right-click for the menu)";
    }

    int Fill(int y) override {
        m_pList = Add<CConditionListCtrl>();
        m_pList->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, Box(8, y, 600, 160), this, kListId);
        // The labels are Chinese: a font of that character set (Windows has its own; under Wine the
        // font mapper picks the one setup installs).
        static CFont chinese; // as long as the process: the list may outlive any one panel member
        if (!chinese.GetSafeHandle()) {
            LOGFONTW lf{};
            ::GetObjectW(Font(), sizeof(lf), &lf);
            lf.lfCharSet = GB2312_CHARSET;
            wcscpy(lf.lfFaceName, L"Microsoft YaHei");
            chinese.CreateFontIndirect(&lf);
        }
        m_pList->SetFont(chinese);
        // The value column holds the date picker of a date row, whose long date ("Wednesday,
        // September 30, 2026" at its widest) needs 190 in this font; the field names and the brackets
        // need less than the list's own widths, and the six keep within a page at 200 %.
        NarrowColumns(*m_pList, {48, 100, 120, 190, 48, 62});

        for (LPCWSTR s : {L"01-North", L"02-South", L"03-East"}) m_cities.Add(s);
        for (LPCWSTR s : {L"Sales", L"IT", L"HR"}) m_depts.Add(s);
        CStringArray fields;
        CUIntArray types;
        CPtrArray values;
        auto field = [&](LPCWSTR name, UINT type, CStringArray* pValues) {
            fields.Add(name);
            types.Add(type);
            values.Add(pValues);
        };
        field(L"NAME", DWT_TEXT, nullptr);
        field(L"SALARY", DWT_NUMBER, nullptr);
        field(L"AGE", DWT_INTEGER, nullptr);
        field(L"BORN", DWT_DATE, nullptr);
        field(L"SCORE", DWT_NUMBER2, nullptr);
        field(L"CITY", DWT_LIST, &m_cities);
        field(L"ACTIVE", DWT_CHECK, nullptr);
        field(L"DEPT", DWT_COMBO, &m_depts);
        m_pList->SetFieldList(fields, types, values);

        m_pList->EnableQuoteDoubling(); // so that O'Neil's survives Save and Restore
        m_pList->AddCondition(L"NAME", L"Like", L"Sm%", L"or", TRUE);
        m_pList->AddCondition(L"CITY", L"=", L"01-North", L"and", FALSE, TRUE);
        m_pList->AddCondition(L"BORN", L">=", L"1980-1-1", L"and");
        m_pList->AddCondition(L"SALARY", L">", L"4000.00", L"and");
        m_pList->AddCondition(L"DEPT", L"<>", L"O'Neil's", L"and");
        m_pList->AddCondition(L"ACTIVE", L"=", L"1");

        CRect rcList;
        m_pList->GetWindowRect(&rcList);
        ScreenToClient(&rcList);
        y = rcList.bottom + Px(8);
        auto* refresh = Add<CButton>();
        refresh->Create(L"Read the condition", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, Box(8, y, 160, 24),
                        this, kRefreshId);
        refresh->SetFont(Font());
        for (const auto& [nID, text, left] :
             {std::tuple{kSaveId, L"Save", 168}, std::tuple{kRestoreId, L"Restore", 248},
              std::tuple{kChineseId, L"Chinese", 360}, std::tuple{kEnglishId, L"English", 440}}) {
            auto* button = Add<CButton>();
            button->Create(text, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, Box(left, y, left + 72, 24), this,
                           nID);
            button->SetFont(Font());
        }
        // Each text below its heading, with room for the lines it wraps to.
        AddLabel(L"GetSQLSelectString: the values spliced into the text", Box(8, y + Px(32), kRight, 18));
        m_pSql = AddLabel(L"", Box(16, y + Px(50), kRight, 32));
        AddLabel(L"GetSQLSelectParams: placeholders, and the values to bind with their type codes",
                 Box(8, y + Px(84), kRight, 18));
        m_pParams = AddLabel(L"", Box(16, y + Px(102), kRight, 46));
        AddLabel(L"Save: GetSQLSelectString stored; Restore: SetSQLSelectString sets it back as rows",
                 Box(8, y + Px(150), kRight, 18));
        m_pSaved = AddLabel(L"(nothing saved yet)", Box(16, y + Px(168), kRight, 32));
        Refresh();

        ClickValue(1); // the editors open on the second row
        return y + Px(202);
    }

    // Begins editing nRow as a click on its value does.
    void ClickValue(int nRow) {
        CRect rcCell;
        m_pList->GetSubItemRect(nRow, 3, LVIR_BOUNDS, rcCell);
        m_pList->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON,
                             MAKELPARAM(rcCell.left + Px(10), (rcCell.top + rcCell.bottom) / 2));
    }

    void Refresh() {
        CString sql;
        if (!m_pList->GetSQLSelectString(sql)) {
            m_pSql->SetWindowText(L"(the row being edited has no value yet)");
            return;
        }
        m_pSql->SetWindowText(sql.IsEmpty() ? CString(L"(no condition)") : sql);
        CString params;
        CStringArray values;
        CUIntArray types;
        m_pList->GetSQLSelectParams(params, values, types);
        CString text = params + L"\r\nvalues:";
        for (INT_PTR i = 0; i < values.GetSize(); ++i) {
            CString one;
            one.Format(L"%s [%s] (type %u)", i ? L"," : L"", values[i].GetString(), types[i]);
            text += one;
        }
        m_pParams->SetWindowText(text);
    }

    void Save() {
        if (!m_pList->GetSQLSelectString(m_strSaved)) return;
        m_pSaved->SetWindowText(L"saved: " +
                                (m_strSaved.IsEmpty() ? CString(L"(no condition)") : m_strSaved));
        Refresh();
    }

    void Restore() {
        if (!m_pList->SetSQLSelectString(m_strSaved)) {
            int nPos = 0;
            const CString strWhy = m_pList->GetSQLParseError(&nPos);
            CString text;
            text.Format(L"not restored: %s (at %d)", strWhy.GetString(), nPos);
            m_pSaved->SetWindowText(text);
            return;
        }
        m_pSaved->SetWindowText(L"restored: " +
                                (m_strSaved.IsEmpty() ? CString(L"(no condition)") : m_strSaved));
        Refresh();
    }

    // The page as it opens, in the list's Chinese words; the date row being edited, its picker showing
    // the whole long date (demo-condlist-date); and the list in English (demo-condlist-english).
    std::vector<Shot> Shots() override {
        return {{L"date", [this] { ClickValue(2); }}, {L"english", [this] {
                                                           m_pList->SetLabels(CConditionLabels::English());
                                                           Refresh();
                                                       }}};
    }

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (HIWORD(wParam) == BN_CLICKED) {
            switch (LOWORD(wParam)) {
            case kRefreshId:
                Refresh();
                return TRUE;
            case kSaveId:
                Save();
                return TRUE;
            case kRestoreId:
                Restore();
                return TRUE;
            case kChineseId:
            case kEnglishId:
                m_pList->SetLabels(LOWORD(wParam) == kEnglishId ? CConditionLabels::English()
                                                                : CConditionLabels::Chinese());
                Refresh();
                return TRUE;
            default:
                break;
            }
        }
        return CDemoPanel::OnCommand(wParam, lParam);
    }
};

const DemoPageRegistrar kPage{{60, L"Condition list", L"condlist", {[]() -> std::unique_ptr<CDemoPanel> {
                                   return std::make_unique<CCondListPanel>();
                               }}}};

} // namespace
