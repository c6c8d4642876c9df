// One section of the demo window: a child panel that creates and owns the controls it shows.
#pragma once
#include <listedit.h>

#include <memory>
#include <vector>

class CDemoPanel : public CWnd {
public:
    // Creates the panel at (x, y) with the given width inside pParent and fills it; the panel's
    // height comes from Fill.
    BOOL CreatePanel(CWnd* pParent, int x, int y, int width);
    int Height() const { return m_height; }

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

// The panels, in the order the demo stacks them.
std::unique_ptr<CDemoPanel> MakeNumEditPanel();
std::unique_ptr<CDemoPanel> MakeMaskEditPanel();
std::unique_ptr<CDemoPanel> MakeDataWndPanel();
