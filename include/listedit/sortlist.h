// Sortable lists: the extended list base, the sorted header, the sortable list and its string-data form.
#pragma once
#include <listedit/frame.h>
#include <listedit/edit.h>
#include <listedit/sortlist/CXListCtrl.h>
#include <listedit/sortlist/CSortedHeaderCtrl.h>
#include <listedit/sortlist/CSortListCtrl.h>
#include <listedit/sortlist/CSortListCtrlEx.h>
#include <listedit/sortlist/CSortListView.h>
#include <listedit/sortlist/CSortListViewEx.h>
