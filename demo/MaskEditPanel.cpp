// Masked edits: a date, a hexadecimal code, a telephone number with literals and a part number
// whose free text may run on after the mask, each partly filled.
#include "DemoPanel.h"

namespace {

class CMaskEditPanel : public CDemoPanel {
protected:
    LPCWSTR Title() const override {
        return L"CMaskEditEx: typing overwrites input positions and steps over literals";
    }

    int Fill(int y) override {
        AddRow(L"Date", L"[0-9][0-9]/[0-9][0-9]/[0-9][0-9][0-9][0-9]", y)->SetText(L"05/03/20");
        Type(AddRow(L"Hexadecimal code", L"0x[0-9a-fA-F][0-9a-fA-F][0-9a-fA-F][0-9a-fA-F]", y += Px(32)),
             L"1F");
        AddRow(L"Telephone", L"+49 ([0-9][0-9][0-9]) [0-9][0-9][0-9]-[0-9][0-9][0-9][0-9]", y += Px(32))
            ->SetText(L"+49 (030) 123");
        CMaskEditEx* part =
            AddRow(L"Part number, free text after", L"[A-Z][A-Z]-[0-9][0-9][0-9]", y += Px(32));
        part->SetTextLengthByMask(FALSE);
        Type(part, L"KV042 rev.2");
        return y + Px(24);
    }

    CMaskEditEx* AddRow(LPCWSTR caption, LPCWSTR mask, int y) {
        AddLabel(caption, Box(8, y + Px(3), 172, 20));
        auto* edit = Add<CMaskEditEx>();
        edit->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, Box(176, y, 356, 24),
                     this, 1100 + static_cast<UINT>(y));
        edit->SetFont(Font());
        edit->SetMaskString(mask, '_');
        // A long mask wraps at its space onto a second line, within the row.
        AddLabel(mask, Box(370, y + Px(1), kRight, 30));
        return edit;
    }

    // As the keyboard would: one WM_CHAR per character, from the caret at the first input position.
    static void Type(CMaskEditEx* edit, LPCWSTR chars) {
        edit->SetSel(0, 0);
        for (LPCWSTR p = chars; *p; ++p) edit->SendMessage(WM_CHAR, *p, 1);
    }
};

} // namespace

std::unique_ptr<CDemoPanel> MakeMaskEditPanel() {
    return std::make_unique<CMaskEditPanel>();
}
