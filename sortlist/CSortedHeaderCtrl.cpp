// CSortedHeaderCtrl: sort state and the owner-drawn header item.
#include <listedit/frame/CDC.h>
#include <listedit/sortlist/CSortedHeaderCtrl.h>

#include "HeaderGeometry.h"

namespace model = listedit::sortlist;

CSortedHeaderCtrl::CSortedHeaderCtrl() : m_nSortCol(-1), m_bSortAsc(TRUE) {}

CSortedHeaderCtrl::~CSortedHeaderCtrl() = default;

int CSortedHeaderCtrl::SetSortImage(int nCol, BOOL bAsc) {
    const int nPrevCol = m_nSortCol;
    m_bSortAsc = bAsc;
    m_nSortCol = nCol;
    SetOwnerDraw(nCol);
    if (m_hWnd) Invalidate();
    return nPrevCol;
}

void CSortedHeaderCtrl::SetOwnerDraw(int nCol) {
    if (!m_hWnd) return;
    HDITEMW hdi{};
    hdi.mask = HDI_FORMAT;
    if (!GetItem(nCol, &hdi)) return;
    hdi.fmt |= HDF_OWNERDRAW;
    SetItem(nCol, &hdi);
}

void CSortedHeaderCtrl::UnOwnerDraw() {
    if (m_nSortCol == -1) return;
    if (m_hWnd) {
        HDITEMW hdi{};
        hdi.mask = HDI_FORMAT;
        if (GetItem(m_nSortCol, &hdi)) {
            hdi.fmt &= ~HDF_OWNERDRAW;
            SetItem(m_nSortCol, &hdi);
        }
    }
    m_nSortCol = -1;
}

void CSortedHeaderCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const CRect rcItem(lpDrawItemStruct->rcItem);
    const int nCol = static_cast<int>(lpDrawItemStruct->itemID);
    const bool bSorted = nCol == m_nSortCol;

    CBrush face(::GetSysColor(COLOR_BTNFACE));
    pDC->FillRect(&rcItem, &face);

    const int o = pDC->GetTextExtent(L" ", 1).cx;

    wchar_t szTitle[256] = {};
    HDITEMW hdi{};
    hdi.mask = HDI_TEXT | HDI_FORMAT;
    hdi.pszText = szTitle;
    hdi.cchTextMax = 255;
    GetItem(nCol, &hdi);

    UINT nFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    switch (model::TitleAlign(static_cast<unsigned>(hdi.fmt))) {
    case model::Align::Center:
        nFormat |= DT_CENTER;
        break;
    case model::Align::Right:
        nFormat |= DT_RIGHT;
        break;
    case model::Align::Left:
        break;
    }

    const model::Rect item{rcItem.left, rcItem.top, rcItem.right, rcItem.bottom};
    const model::Rect title = model::TitleRect(item, o, lpDrawItemStruct->itemState == ODS_SELECTED, bSorted);
    CRect rcText(title.left, title.top, title.right, title.bottom);
    // The title lies on the button face: only its glyphs are drawn.
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(szTitle, -1, &rcText, nFormat);
    pDC->SetBkMode(nOldMode);

    if (!bSorted) return;
    CPen light(PS_SOLID, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    CPen dark(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
    CPen* pOldPen = pDC->SelectObject(&light);
    model::Pen current = model::Pen::Light;
    for (const model::Stroke& s : model::TriangleStrokes(item, o, m_bSortAsc != FALSE)) {
        if (s.pen != current) {
            pDC->SelectObject(s.pen == model::Pen::Light ? &light : &dark);
            current = s.pen;
        }
        if (s.op == model::Op::MoveTo)
            pDC->MoveTo(s.pt.x, s.pt.y);
        else
            pDC->LineTo(s.pt.x, s.pt.y);
    }
    pDC->SelectObject(pOldPen);
}
