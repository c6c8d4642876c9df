#include "Screenshot.h"

#include <cstdio>
#include <vector>

bool SaveWindowBitmap(HWND hWnd, LPCWSTR pszPath) {
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    const int w = rc.right - rc.left, h = rc.bottom - rc.top;
    HDC hdcScreen = ::GetDC(nullptr);
    HDC hdcMem = ::CreateCompatibleDC(hdcScreen);
    BITMAPINFO bmi{};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP hbm = ::CreateDIBSection(hdcScreen, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(hdcMem, hbm);
    ::BitBlt(hdcMem, 0, 0, w, h, hdcScreen, rc.left, rc.top, SRCCOPY);
    ::GdiFlush();
    const DWORD stride = static_cast<DWORD>((w * 3 + 3) & ~3);
    BITMAPFILEHEADER bfh{};
    bfh.bfType = 0x4D42;
    bfh.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    bfh.bfSize = bfh.bfOffBits + stride * static_cast<DWORD>(h);
    bool ok = false;
    if (FILE* f = ::_wfopen(pszPath, L"wb")) {
        ok = std::fwrite(&bfh, sizeof bfh, 1, f) == 1 &&
             std::fwrite(&bmi.bmiHeader, sizeof bmi.bmiHeader, 1, f) == 1 &&
             std::fwrite(bits, stride, static_cast<size_t>(h), f) == static_cast<size_t>(h);
        std::fclose(f);
    }
    ::SelectObject(hdcMem, old);
    ::DeleteObject(hbm);
    ::DeleteDC(hdcMem);
    ::ReleaseDC(nullptr, hdcScreen);
    return ok;
}
