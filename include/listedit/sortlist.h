// Sortable lists: the extended list base.
#pragma once
#include <listedit/frame.h>
#include <listedit/edit.h>
#include <listedit/sortlist/CXListCtrl.h>
