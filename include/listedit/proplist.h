// Property list: CPropertyListCtrl, its row record and the title tip.
#pragma once
#include <listedit/frame.h>
#include <listedit/datawnd.h>
#include <listedit/proplist/CCtrlTitleTip.h>
#include <listedit/proplist/CPropertyListCtrlItemData.h>
#include <listedit/proplist/CPropertyListT.h>
#include <listedit/proplist/CPropertyListCtrl.h>
#include <listedit/proplist/CPropertyListView.h>
