// Writes what a window shows on the screen to a 24-bit BMP file.
#pragma once
#include <listedit.h>

bool SaveWindowBitmap(HWND hWnd, LPCWSTR pszPath);
