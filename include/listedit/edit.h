// Edit controls: the numeric edit, the masked edit and the in-place edit.
#pragma once
#include <listedit/frame.h>
#include <listedit/edit/CNumEdit.h>
#include <listedit/edit/CMaskEditEx.h>
#include <listedit/edit/CInEditEx.h>
