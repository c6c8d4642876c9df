// The demo's pages and their sections. A section (CDemoPanel) is a child panel that creates and
// owns the controls it shows; a page is one tab of the demo window and stacks its sections top to
// bottom. A family adds its page in its own file (demo/<Family>Page.cpp, one line in
// CMakeLists.txt) with a registrar:
//
//     static const DemoPageRegistrar kPage{{30, L"Sortable lists", L"sortlist", {&MakeSortListPanel}}};
#pragma once
#include <listedit.h>

#include <functional>
#include <memory>
#include <vector>

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
    HFONT Font() const { return m_hFont; }
    int Width() const { return m_width; }

private:
    std::vector<std::unique_ptr<CWnd>> m_children; // destroyed before the panel's own window
    HFONT m_hFont = nullptr;
    int m_width = 0;
    int m_height = 0;
};

// Every page has this much room for its sections (a list of a few hundred pixels fits).
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
