// The demo's pages and their sections. A section (CDemoPanel) is a child panel that creates and
// owns the controls it shows; a page is one tab of the demo window and stacks its sections top to
// bottom. Sections give their lengths at 96 dots per inch and place them through Px, so that the
// demo keeps its proportions at every display scale; at 200 % a page still fits a 1280x1024 screen. A family
// adds its page in its own file (demo/<Family>Page.cpp, one line in CMakeLists.txt) with a registrar:
//
//     static const DemoPageRegistrar kPage{{30, L"Sortable lists", L"sortlist", {&MakeSortListPanel}}};
#pragma once
#include <listedit.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

// The demo is not aware of per-monitor scale: its DPI is the screen's, read once per window.
int DemoScreenDpi();
// A length at 96 dots per inch, in pixels at nDpi.
inline int DemoScale(int nLength, int nDpi) {
    return ::MulDiv(nLength, nDpi, 96);
}

class CDemoPanel : public CWnd {
public:
    // Creates the panel at (x, y) with the given width inside pParent and fills it; the panel's
    // height comes from Fill.
    BOOL CreatePanel(CWnd* pParent, int x, int y, int width);
    int Height() const { return m_height; }

    // Pictures of this section in a state of its own (a row being edited, a tip shown). prepare
    // brings the section into that state; an empty name prepares the page's own picture, any
    // other name makes a picture of its own, out/demo-<page>-<name>.png.
    struct Shot {
        LPCWSTR name;
        std::function<void()> prepare;
    };
    virtual std::vector<Shot> Shots() { return {}; }

protected:
    virtual LPCWSTR Title() const = 0;
    // Creates the sample controls below y (the title's bottom) and returns the bottom used.
    virtual int Fill(int y) = 0;

    template <class T, class... Args> T* Add(Args&&... args) {
        auto p = std::make_unique<T>(std::forward<Args>(args)...);
        T* raw = p.get();
        m_children.push_back(std::move(p));
        return raw;
    }
    CWnd* AddLabel(LPCWSTR text, const RECT& rc);
    // Narrower columns than the condition list's own (given at 96 dots per inch), so that it keeps
    // within a page at 200 %; the list is then as wide as its columns and a vertical scroll bar.
    void NarrowColumns(CConditionListCtrl& list, std::initializer_list<int> widths);
    HFONT Font() const { return m_hFont; }
    // The panel's width in pixels, and the right edge of its contents (a margin inside it).
    int Width() const { return m_width; }
    int Right() const { return m_width - Px(8); }
    // A length at 96 dots per inch, in pixels at the panel's DPI.
    int Px(int nLength) const { return DemoScale(nLength, m_nDpi); }
    // A rectangle in pixels from its left and right edges and its height at 96 dots per inch, and
    // its top in pixels (the running y of Fill); a right edge of kRight is Right().
    static constexpr int kRight = -1;
    RECT Box(int left, int top, int right, int bottom) const {
        return RECT{Px(left), top, right == kRight ? Right() : Px(right), top + Px(bottom)};
    }

private:
    std::vector<std::unique_ptr<CWnd>> m_children; // destroyed before the panel's own window
    HFONT m_hFont = nullptr;
    int m_width = 0;
    int m_height = 0;
    int m_nDpi = 96;
};

// Every page has this much room for its sections at 96 dots per inch (a list of a few hundred
// pixels fits). At a larger scale the window is made no larger than the screen's work area, so the
// sections keep to 590 by 410 (at 96 dots per inch) to fit there at 200 %.
inline constexpr int kPageWidth = 880;
inline constexpr int kPageHeight = 590;

using MakePanel = std::unique_ptr<CDemoPanel> (*)();

struct DemoPage {
    int order;                       // place among the tabs, ascending
    LPCWSTR title;                   // the tab's text
    LPCWSTR name;                    // its screenshot is out/demo-<name>.png
    std::vector<MakePanel> sections; // stacked top to bottom
};

// The registered pages, in tab order.
std::vector<DemoPage> DemoPages();

struct DemoPageRegistrar {
    explicit DemoPageRegistrar(DemoPage page);
};

// Sections shared between pages.
std::unique_ptr<CDemoPanel> MakeNumEditPanel();
std::unique_ptr<CDemoPanel> MakeMaskEditPanel();
