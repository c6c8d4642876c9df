// The window-system layer: framework classes over Win32.
#pragma once
#include <listedit/frame/Afx.h>
#include <listedit/frame/CObject.h>
#include <listedit/frame/CException.h>
#include <listedit/frame/CString.h>
#include <listedit/frame/Arrays.h>
#include <listedit/frame/Geometry.h>
#include <listedit/frame/CWnd.h>
#include <listedit/frame/MessageMap.h>
#include <listedit/frame/CEdit.h>
#include <listedit/frame/CWinApp.h>
#include <listedit/frame/COleException.h>
#include <listedit/frame/CTime.h>
#include <listedit/frame/CButton.h>
#include <listedit/frame/CComboBox.h>
#include <listedit/frame/CDateTimeCtrl.h>
#include <listedit/frame/CSpinButtonCtrl.h>
