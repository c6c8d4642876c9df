// Edit controls: the numeric edit and the masked edit.
#pragma once
#include <listedit/frame.h>
#include <listedit/edit/CNumEdit.h>
#include <listedit/edit/CMaskEditEx.h>
