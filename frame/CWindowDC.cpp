#include <listedit/frame/CWindowDC.h>

IMPLEMENT_DYNAMIC(CWindowDC, CDC)
