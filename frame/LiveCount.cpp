#include "LiveCount.h"

#include <listedit/frame/CDC.h>
#include <listedit/frame/CGdiObject.h>
#include <listedit/frame/CImageList.h>
#include <listedit/frame/CMenu.h>

#include <array>
#include <atomic>

namespace {

// Objects may come and go on any thread.
std::array<std::atomic<long>, AFX_LIVE_KINDS> g_counts{};

} // namespace

void AfxCountLive(AfxLive kind, int nDelta) {
    g_counts[static_cast<size_t>(kind)] += nDelta;
}

long AfxGetLiveCount(AfxLive kind) {
    switch (kind) {
    case AfxLive::GdiObjects:
        return static_cast<long>(CGdiObject::GetPermanentCount());
    case AfxLive::DeviceContexts:
        return static_cast<long>(CDC::GetPermanentCount());
    case AfxLive::Menus:
        return static_cast<long>(CMenu::GetPermanentCount());
    case AfxLive::ImageLists:
        return static_cast<long>(CImageList::GetPermanentCount());
    default:
        break;
    }
    const auto index = static_cast<size_t>(kind);
    return index < g_counts.size() ? g_counts[index].load() : 0;
}
