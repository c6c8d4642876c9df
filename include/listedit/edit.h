// Edit controls: the numeric edit.
#pragma once
#include <listedit/frame.h>
#include <listedit/edit/CNumEdit.h>
