// CCtrlTitleTip: a small bordered popup that shows the whole text of a list cell too narrow for
// it, laid exactly over the cell. Its owner creates it once, naming itself as the tip's parent,
// and calls Show while the mouse rests over a cell:
//
//     m_TitleTip.Create(this);
//     m_TitleTip.Show(rectCell, strCellText, 2); // rectCell in this window's client coordinates
//
// Show does nothing when the text fits or no window of the thread has the focus. While shown the
// tip holds the mouse capture: it passes clicks on to the window underneath, hides itself when the
// mouse leaves the cell (the window underneath receives the move) or a key is pressed (the key
// goes to the parent), so that the user hardly notices it is there. The tip is painted in the
// colours set with SetBkColor and SetTextColor (initially the highlight colours) in the parent's
// font.
#pragma once
#include <listedit/frame/CWnd.h>

class LISTEDIT_API CCtrlTitleTip : public CWnd {
public:
    CCtrlTitleTip();
    ~CCtrlTitleTip() override; // destroys the window

    // Registers the window class "kvt_MFCCtrlTitleTip" on first use (CResourceException when it
    // cannot) and creates the hidden popup.
    virtual BOOL Create(CWnd* pParentWnd);
    // Both return the previous colour.
    DWORD SetBkColor(DWORD crColor);
    DWORD SetTextColor(DWORD crColor);
    // rectTitle: the cell in the parent's client coordinates; xoffset: where the cell's own text
    // starts within it. Shows the tip over the cell when strTitle is wider than the cell's room.
    void Show(CRect rectTitle, CString strTitle, int xoffset);
    // Hides the tip and gives up the mouse capture if it holds it.
    void Hide();

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);

    CWnd* m_pParentWnd = nullptr;
    CRect m_rectTitle; // the cell in the tip's client coordinates
    COLORREF m_crBkColor;
    COLORREF m_crTextColor;

private:
    // Not offered: this window is made only through its own Create, which registers its class.
    using CWnd::Create;
    // Where the mouse message at `point` (client coordinates of the tip) belongs: the window under
    // it (the parent where that is the tip), its hit-test code and the point on screen.
    struct Target {
        HWND hWnd;
        LRESULT nHit;
        POINT ptScreen;
    };
    Target TargetAt(CPoint point) const;
    void PaintTitle(CDC& dc) const;

    CString m_strTitle; // kept for repainting

    DECLARE_MESSAGE_MAP()
};
