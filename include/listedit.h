// listedit: list and edit controls for Win32 applications. Including this header brings every
// exported class; link with listedit::listedit.
#pragma once
#include <listedit/Version.h>
#include <listedit/frame.h>
#include <listedit/edit.h>
#include <listedit/datawnd.h>
#include <listedit/sortlist.h>
#include <listedit/proplist.h>
#include <listedit/condlist.h>
