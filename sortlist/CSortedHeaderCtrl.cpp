// CSortedHeaderCtrl: sort state and the owner-drawn header item.
#include <listedit/frame/CDC.h>
#include <listedit/sortlist/CSortedHeaderCtrl.h>

#include "HeaderGeometry.h"
#include "frame/Dpi.h"

#include <algorithm>

namespace model = listedit::sortlist;

CSortedHeaderCtrl::CSortedHeaderCtrl() = default;

CSortedHeaderCtrl::~CSortedHeaderCtrl() = default;

int CSortedHeaderCtrl::SetSortImage(int nCol, BOOL bAsc) {
    const int nPrevCol = m_state.GetSortedColumn();
    m_state.SetColumn(nCol, bAsc != FALSE);
    SetOwnerDraw(nCol);
    if (m_hWnd) Invalidate();
    return nPrevCol;
}

int CSortedHeaderCtrl::SetSortKeys(const std::vector<CSortKey>& keys) {
    const int nPrevCol = m_state.GetSortedColumn();
    m_state.SetKeys(keys);
    for (const CSortKey& key : keys) SetOwnerDraw(key.nCol);
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
    if (m_state.GetSortedColumn() == -1) return;
    if (m_hWnd) {
        std::vector<int> columns{m_state.GetSortedColumn()};
        for (const CSortKey& key : m_state.GetSortKeys()) columns.push_back(key.nCol);
        for (int nCol : columns) {
            HDITEMW hdi{};
            hdi.mask = HDI_FORMAT;
            if (GetItem(nCol, &hdi)) {
                hdi.fmt &= ~HDF_OWNERDRAW;
                SetItem(nCol, &hdi);
            }
        }
    }
    m_state.Clear();
}

void CSortedHeaderCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const CRect rcItem(lpDrawItemStruct->rcItem);
    const int nCol = static_cast<int>(lpDrawItemStruct->itemID);
    // The keys decide when there are several; otherwise the recorded column does, as it always has.
    const std::vector<CSortKey>& keys = m_state.GetSortKeys();
    int nRank = 0;
    bool bSorted = nCol == m_state.GetSortedColumn(), bAsc = m_state.IsAscSorted();
    if (keys.size() > 1) {
        auto it =
            std::find_if(keys.begin(), keys.end(), [nCol](const CSortKey& key) { return key.nCol == nCol; });
        bSorted = it != keys.end();
        if (bSorted) {
            bAsc = it->bAsc;
            nRank = static_cast<int>(it - keys.begin()) + 1;
        }
    }

    CBrush face(::GetSysColor(COLOR_BTNFACE));
    pDC->FillRect(&rcItem, &face);

    const int o = pDC->GetTextExtent(L" ", 1).cx;
    // What is not measured in spaces is in pixels at 96 dots per inch: the pen, the pressed offset.
    const int px = AfxScaleLength(1, m_hWnd);

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
    const model::Rect title =
        model::TitleRect(item, o, lpDrawItemStruct->itemState == ODS_SELECTED, bSorted, px);
    CRect rcText(title.left, title.top, title.right, title.bottom);
    // The title lies on the button face: only its glyphs are drawn.
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    if (nRank) {
        wchar_t szRank[12];
        const int nLen = ::wsprintfW(szRank, L"%d", nRank);
        const model::Rect rank = model::RankRect(item, o, pDC->GetTextExtent(szRank, nLen).cx, px);
        CRect rcRank(rank.left, rank.top, rank.right, rank.bottom);
        pDC->DrawText(szRank, nLen, &rcRank, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_RIGHT);
        rcText.right = model::TitleBesideRank(title, rank, o).right;
    }
    pDC->DrawText(szTitle, -1, &rcText, nFormat);
    pDC->SetBkMode(nOldMode);

    if (!bSorted) return;
    CPen light(PS_SOLID, px, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    CPen dark(PS_SOLID, px, ::GetSysColor(COLOR_BTNSHADOW));
    CPen* pOldPen = pDC->SelectObject(&light);
    model::Pen current = model::Pen::Light;
    for (const model::Stroke& s : model::TriangleStrokes(item, o, bAsc, px)) {
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
