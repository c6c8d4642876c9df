// The views' page: a frame window holding a property list view, and one holding a sortable list
// view of texts, each view created by name as a frame creates it.
#include "DemoPanel.h"

namespace {

// A frame inside the panel (captioned and sizable like a top-level one) whose view is made by name.
CView* OpenFrame(CWnd* pParent, LPCWSTR lpszTitle, LPCWSTR lpszViewClass, const RECT& rc) {
    CCreateContext context;
    context.m_pNewViewClass = CRuntimeClass::FromName(lpszViewClass);
    auto* pFrame = new CFrameWnd; // deletes itself with its window, which goes with the panel
    if (!pFrame->Create(nullptr, lpszTitle, WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_THICKFRAME, rc, pParent,
                        nullptr, 0, &context))
        return nullptr;
    return pFrame->GetActiveView();
}

class CPropertyViewPanel : public CDemoPanel {
protected:
    LPCWSTR Title() const override { return L"CFrameWnd with a CPropertyListView made by name"; }

    int Fill(int y) override {
        m_pView = static_cast<CPropertyListView*>(
            OpenFrame(this, L"Properties", L"CPropertyListView", Box(8, y, kRight, 150)));
        if (!m_pView) return y;
        m_pView->SetFont(Font());
        m_pView->InsertItem(L"Name", DWT_TEXT, L"Alice Martin");
        m_pView->InsertItem(L"Born", DWT_DATE, L"1990-4-1");
        CStringArray colours;
        colours.Add(L"red");
        colours.Add(L"green");
        colours.Add(L"blue");
        m_pView->InsertItem(L"Colour", DWT_LIST, colours);
        m_pView->InsertItem(L"Height (m)", DWT_NUMBER, L"1.72");
        m_pView->InsertItem(L"Member", DWT_CHECK, L"1");
        m_pView->ChangeColumnWidth();
        return y + Px(150);
    }

    std::vector<Shot> Shots() override {
        // The name's row being edited in the view.
        return {{L"editing", [this] {
                     if (!m_pView) return;
                     CRect rc;
                     m_pView->GetListCtrl().GetSubItemRect(0, 1, LVIR_BOUNDS, rc);
                     const LPARAM at = MAKELPARAM(rc.left + 5, rc.CenterPoint().y);
                     m_pView->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
                     m_pView->SendMessage(WM_LBUTTONUP, 0, at);
                 }}};
    }

private:
    CPropertyListView* m_pView = nullptr;
};

class CSortViewPanel : public CDemoPanel {
protected:
    LPCWSTR Title() const override {
        return L"CFrameWnd with a CSortListViewEx made by name, sorted by size (as text)";
    }

    int Fill(int y) override {
        auto* pView = static_cast<CSortListViewEx*>(
            OpenFrame(this, L"Files", L"CSortListViewEx", Box(8, y, kRight, 150)));
        if (!pView) return y;
        CXListCtrl& list = pView->GetListCtrl();
        list.SetFont(Font());
        list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
        list.InsertColumn(0, L"Name", LVCFMT_LEFT, Px(220));
        list.InsertColumn(1, L"Size", LVCFMT_RIGHT, Px(100));
        list.InsertColumn(2, L"Type", LVCFMT_LEFT, Px(120));
        const wchar_t* const kRows[][3] = {{L"report.txt", L"1200", L"Text"},
                                           {L"budget.xls", L"800", L"Sheet"},
                                           {L"notes.md", L"35", L"Text"},
                                           {L"photo.jpg", L"90412", L"Image"},
                                           {L"backup.zip", L"5521", L"Archive"}};
        for (const auto& row : kRows) {
            auto* pRow = new CSortListViewEx::CItemData; // the view deletes it with its row
            for (LPCWSTR text : row) pRow->m_arrText.Add(text);
            pView->InsertItem(list.GetItemCount(), pRow);
        }
        pView->SortColumn(1, TRUE);
        return y + Px(150);
    }
};

std::unique_ptr<CDemoPanel> MakePropertyViewPanel() {
    return std::make_unique<CPropertyViewPanel>();
}

std::unique_ptr<CDemoPanel> MakeSortViewPanel() {
    return std::make_unique<CSortViewPanel>();
}

const DemoPageRegistrar kPage{{70, L"Views", L"views", {&MakePropertyViewPanel, &MakeSortViewPanel}}};

} // namespace
