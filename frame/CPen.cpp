#include <listedit/frame/CPen.h>

IMPLEMENT_DYNAMIC(CPen, CGdiObject)
