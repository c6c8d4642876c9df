// Data window: CDataWnd and the type codes of its editors.
#pragma once
#include <listedit/frame.h>
#include <listedit/edit.h>
#include <listedit/datawnd/CDataWnd.h>
