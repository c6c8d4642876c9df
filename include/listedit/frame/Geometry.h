// CPoint, CSize and CRect: the framework's value wrappers of POINT, SIZE and RECT.
#pragma once
#include "Afx.h"

#include <utility>

class CPoint : public POINT {
public:
    CPoint() : POINT{0, 0} {}
    CPoint(int x0, int y0) : POINT{x0, y0} {}
    CPoint(POINT pt) : POINT(pt) {}
    CPoint(SIZE size) : POINT{size.cx, size.cy} {}
    void Offset(int xOffset, int yOffset) {
        x += xOffset;
        y += yOffset;
    }
    void SetPoint(int X, int Y) {
        x = X;
        y = Y;
    }
    CPoint& operator+=(SIZE size) {
        Offset(size.cx, size.cy);
        return *this;
    }
    CPoint& operator-=(SIZE size) {
        Offset(-size.cx, -size.cy);
        return *this;
    }
    CPoint& operator+=(POINT point) {
        Offset(point.x, point.y);
        return *this;
    }
    CPoint& operator-=(POINT point) {
        Offset(-point.x, -point.y);
        return *this;
    }
    CPoint operator-() const { return {-x, -y}; }
    friend CPoint operator+(CPoint a, SIZE b) { return a += b; }
    friend CPoint operator-(CPoint a, SIZE b) { return a -= b; }
    friend CPoint operator+(CPoint a, POINT b) { return a += b; }
    friend SIZE operator-(const CPoint& a, POINT b) { return SIZE{a.x - b.x, a.y - b.y}; }
    friend bool operator==(const CPoint& a, const CPoint& b) { return a.x == b.x && a.y == b.y; }
};

class CSize : public SIZE {
public:
    CSize() : SIZE{0, 0} {}
    CSize(int cx0, int cy0) : SIZE{cx0, cy0} {}
    CSize(SIZE s) : SIZE(s) {}
    CSize(POINT pt) : SIZE{pt.x, pt.y} {}
    CSize& operator+=(SIZE s) {
        cx += s.cx;
        cy += s.cy;
        return *this;
    }
    CSize& operator-=(SIZE s) {
        cx -= s.cx;
        cy -= s.cy;
        return *this;
    }
    CSize operator-() const { return {-cx, -cy}; }
    friend CSize operator+(CSize a, SIZE b) { return a += b; }
    friend CSize operator-(CSize a, SIZE b) { return a -= b; }
    friend bool operator==(const CSize& a, const CSize& b) { return a.cx == b.cx && a.cy == b.cy; }
};

class CRect : public RECT {
public:
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    CRect(const RECT& rc) : RECT(rc) {}
    CRect(POINT pt, SIZE sz) : RECT{pt.x, pt.y, pt.x + sz.cx, pt.y + sz.cy} {}
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return {Width(), Height()}; }
    CPoint TopLeft() const { return {left, top}; }
    CPoint BottomRight() const { return {right, bottom}; }
    CPoint CenterPoint() const { return {(left + right) / 2, (top + bottom) / 2}; }
    BOOL IsRectEmpty() const { return ::IsRectEmpty(this); }
    BOOL IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    BOOL PtInRect(POINT pt) const { return ::PtInRect(this, pt); }
    BOOL EqualRect(LPCRECT lpRect) const { return ::EqualRect(this, lpRect); }
    void SetRect(int l, int t, int r, int b) { ::SetRect(this, l, t, r, b); }
    void SetRect(POINT topLeft, POINT bottomRight) {
        SetRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
    }
    void SetRectEmpty() { ::SetRectEmpty(this); }
    void CopyRect(LPCRECT lpSrcRect) { ::CopyRect(this, lpSrcRect); }
    void OffsetRect(int dx, int dy) { ::OffsetRect(this, dx, dy); }
    void OffsetRect(POINT point) { OffsetRect(point.x, point.y); }
    void OffsetRect(SIZE size) { OffsetRect(size.cx, size.cy); }
    void MoveToY(int y) {
        bottom = Height() + y;
        top = y;
    }
    void MoveToX(int x) {
        right = Width() + x;
        left = x;
    }
    void MoveToXY(int x, int y) {
        MoveToX(x);
        MoveToY(y);
    }
    void MoveToXY(POINT point) { MoveToXY(point.x, point.y); }
    void InflateRect(int dx, int dy) { ::InflateRect(this, dx, dy); }
    void InflateRect(SIZE size) { InflateRect(size.cx, size.cy); }
    void InflateRect(int l, int t, int r, int b) {
        left -= l;
        top -= t;
        right += r;
        bottom += b;
    }
    void InflateRect(LPCRECT lpRect) {
        InflateRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    }
    void DeflateRect(int dx, int dy) { ::InflateRect(this, -dx, -dy); }
    void DeflateRect(SIZE size) { DeflateRect(size.cx, size.cy); }
    void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }
    void DeflateRect(LPCRECT lpRect) {
        DeflateRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    }
    // Swaps the sides where right < left or bottom < top.
    void NormalizeRect() {
        if (left > right) std::swap(left, right);
        if (top > bottom) std::swap(top, bottom);
    }
    // The overlap of the two (empty and FALSE when they do not overlap).
    BOOL IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2) { return ::IntersectRect(this, lpRect1, lpRect2); }
    // The smallest rectangle holding both (empty ones are ignored).
    BOOL UnionRect(LPCRECT lpRect1, LPCRECT lpRect2) { return ::UnionRect(this, lpRect1, lpRect2); }
    BOOL SubtractRect(LPCRECT lpRectSrc1, LPCRECT lpRectSrc2) {
        return ::SubtractRect(this, lpRectSrc1, lpRectSrc2);
    }

    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }
    CRect& operator+=(POINT point) {
        OffsetRect(point);
        return *this;
    }
    CRect& operator+=(SIZE size) {
        OffsetRect(size);
        return *this;
    }
    CRect& operator-=(POINT point) {
        OffsetRect(-point.x, -point.y);
        return *this;
    }
    CRect& operator-=(SIZE size) {
        OffsetRect(-size.cx, -size.cy);
        return *this;
    }
    CRect& operator&=(const RECT& rect) {
        ::IntersectRect(this, this, &rect);
        return *this;
    }
    CRect& operator|=(const RECT& rect) {
        ::UnionRect(this, this, &rect);
        return *this;
    }
    friend CRect operator+(CRect r, POINT point) { return r += point; }
    friend CRect operator-(CRect r, POINT point) { return r -= point; }
    friend CRect operator+(CRect r, SIZE size) { return r += size; }
    friend CRect operator-(CRect r, SIZE size) { return r -= size; }
    friend CRect operator&(CRect a, const RECT& b) { return a &= b; }
    friend CRect operator|(CRect a, const RECT& b) { return a |= b; }
    friend bool operator==(const CRect& a, const CRect& b) { return ::EqualRect(&a, &b) != FALSE; }
};
