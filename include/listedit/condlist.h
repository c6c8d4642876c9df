// The condition list: a grid in which the user composes a query condition row by row, and from
// which the application reads the SQL condition (as text, or with placeholders and values).
#pragma once
#include <listedit/condlist/CFieldItemData.h>
#include <listedit/condlist/CConditionFilter.h>
#include <listedit/condlist/CConditionListCtrl.h>
