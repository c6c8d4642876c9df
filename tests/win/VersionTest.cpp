// The DLL says which version it is through the system's file-version functions, the same number
// the headers give.
#include <listedit.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The loaded listedit.dll's version resource, whole.
std::vector<BYTE> LoadedVersionInfo() {
    wchar_t path[MAX_PATH] = L"";
    ::GetModuleFileNameW(::GetModuleHandleW(L"listedit.dll"), path, MAX_PATH);
    DWORD ignored = 0;
    std::vector<BYTE> info(::GetFileVersionInfoSizeW(path, &ignored));
    if (info.empty() || !::GetFileVersionInfoW(path, 0, DWORD(info.size()), info.data())) info.clear();
    return info;
}

std::wstring Widened(const char* text) {
    return std::wstring(text, text + std::char_traits<char>::length(text));
}

TEST(Version, TheDllsResourceGivesTheHeadersVersion) {
    const std::vector<BYTE> info = LoadedVersionInfo();
    ASSERT_FALSE(info.empty());
    void* pValue = nullptr;
    UINT nLength = 0;
    ASSERT_TRUE(::VerQueryValueW(info.data(), L"\\", &pValue, &nLength));
    const auto& fixed = *static_cast<const VS_FIXEDFILEINFO*>(pValue);
    const DWORD ms = MAKELONG(LISTEDIT_VERSION_MINOR, LISTEDIT_VERSION_MAJOR);
    const DWORD ls = MAKELONG(0, LISTEDIT_VERSION_PATCH);
    EXPECT_EQ(std::tuple(fixed.dwFileVersionMS, fixed.dwFileVersionLS, fixed.dwProductVersionMS,
                         fixed.dwProductVersionLS, fixed.dwFileType),
              std::tuple(ms, ls, ms, ls, DWORD(VFT_DLL)));

    const std::wstring version = Widened(LISTEDIT_VERSION_STRING);
    const struct {
        const wchar_t* key;
        std::wstring expected;
    } strings[] = {
        {L"\\StringFileInfo\\040904B0\\FileVersion", version},
        {L"\\StringFileInfo\\040904B0\\ProductVersion", version},
        {L"\\StringFileInfo\\040904B0\\OriginalFilename", L"listedit.dll"},
    };
    for (const auto& row : strings) {
        ASSERT_TRUE(::VerQueryValueW(info.data(), row.key, &pValue, &nLength)) << row.key;
        EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(pValue)), row.expected) << row.key;
    }
}

} // namespace
