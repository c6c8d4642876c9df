// The library's side of the live-object counts: each counted class reports its objects' coming and
// going.
#pragma once
#include <listedit/frame/LiveCount.h>

void AfxCountLive(AfxLive kind, int nDelta);
