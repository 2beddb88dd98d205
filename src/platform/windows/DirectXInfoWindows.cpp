// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <windows.h>
// After windows.h, which they need.
#include <dxdiag.h>
#include <oleauto.h>

#include <array>
#include <vector>

#include "platform/DirectXInfo.h"
#include "platform/windows/WideText.h"

namespace Drobix::Platform {

namespace {

// The diagnostics component and its interface, named here so that no GUID library is needed.
constexpr CLSID kDxDiagProvider = {
    0xA65B8071, 0x3BFE, 0x4213, {0x9A, 0x5B, 0x49, 0x1D, 0xA4, 0x46, 0x1C, 0xA7}};
constexpr IID kDxDiagProviderInterface = {
    0x9C6B4CB0, 0x23F8, 0x49CC, {0xA3, 0xED, 0x45, 0xA5, 0x50, 0x00, 0xA6, 0xD2}};
constexpr DWORD kDiagnosticsHeaderVersion = 111;
// The letter is converted into a buffer of this size; its first byte is the letter.
constexpr int kLetterBufferBytes = 10;

// Releases a COM object when it goes.
template <typename Interface>
class Held {
public:
    Held() = default;
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
    ~Held() {
        if (object_ != nullptr) {
            object_->Release();
        }
    }
    Interface** Out() { return &object_; }
    Interface* operator->() const { return object_; }

private:
    Interface* object_ = nullptr;
};

// One property of the system-information container, the variant cleared afterwards.
class Property {
public:
    Property(IDxDiagContainer& container, const wchar_t* name) {
        VariantInit(&value_);
        read_ = SUCCEEDED(container.GetProp(name, &value_));
    }
    Property(const Property&) = delete;
    Property& operator=(const Property&) = delete;
    ~Property() { VariantClear(&value_); }

    std::optional<uint32_t> Number() const {
        if (!read_ || value_.vt != VT_UI4) {
            return std::nullopt;
        }
        return static_cast<uint32_t>(value_.ulVal);
    }

    std::optional<std::string> Letter() const {
        if (!read_ || value_.vt != VT_BSTR || SysStringLen(value_.bstrVal) == 0) {
            return std::nullopt;
        }
        std::array<char, kLetterBufferBytes> letter{};
        WideCharToMultiByte(CP_ACP, 0, value_.bstrVal,
                            static_cast<int>(SysStringLen(value_.bstrVal)), letter.data(),
                            static_cast<int>(letter.size()), nullptr, nullptr);
        return std::string(1, letter[0]);
    }

private:
    VARIANT value_{};
    bool read_ = false;
};

DiagnosticsAnswer ReadSystemInfo(IDxDiagProvider& provider) {
    DXDIAG_INIT_PARAMS parameters{};
    parameters.dwSize = sizeof(parameters);
    parameters.dwDxDiagHeaderVersion = kDiagnosticsHeaderVersion;
    parameters.bAllowWHQLChecks = FALSE;
    parameters.pReserved = nullptr;
    Held<IDxDiagContainer> root;
    Held<IDxDiagContainer> systemInfo;
    if (FAILED(provider.Initialize(&parameters)) || FAILED(provider.GetRootContainer(root.Out())) ||
        FAILED(root->GetChildContainer(L"DxDiag_SystemInfo", systemInfo.Out()))) {
        return {};
    }
    return {Property(*systemInfo.operator->(), L"dwDirectXVersionMajor").Number(),
            Property(*systemInfo.operator->(), L"dwDirectXVersionMinor").Number(),
            Property(*systemInfo.operator->(), L"szDirectXVersionLetter").Letter()};
}

DiagnosticsAnswer QueryDiagnostics() {
    const bool comStarted = SUCCEEDED(CoInitialize(nullptr));
    DiagnosticsAnswer answer;
    {
        Held<IDxDiagProvider> provider;
        if (SUCCEEDED(CoCreateInstance(kDxDiagProvider, nullptr, CLSCTX_INPROC_SERVER,
                                       kDxDiagProviderInterface,
                                       reinterpret_cast<void**>(provider.Out())))) {
            answer = ReadSystemInfo(*provider.operator->());
        }
    }
    if (comStarted) {
        CoUninitialize();
    }
    return answer;
}

std::optional<std::string> SystemDirectory() {
    std::array<char, MAX_PATH> folder{};
    if (GetSystemDirectoryA(folder.data(), static_cast<UINT>(folder.size())) == 0) {
        return std::nullopt;
    }
    folder.back() = '\0';
    return Windows::Utf8FromAnsi(folder.data());
}

std::optional<uint64_t> FileVersion(const std::string& path) {
    const std::wstring file = Windows::WidePath(path);
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &handle);
    if (size == 0) {
        return std::nullopt;
    }
    std::vector<uint8_t> record(size);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedSize = 0;
    if (GetFileVersionInfoW(file.c_str(), 0, size, record.data()) == 0 ||
        VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixedSize) == 0 ||
        fixed == nullptr) {
        return std::nullopt;
    }
    return (static_cast<uint64_t>(fixed->dwFileVersionMS) << 32U) | fixed->dwFileVersionLS;
}

constexpr DirectXInfoSource kSystemSource{QueryDiagnostics, SystemDirectory, FileVersion};

}  // namespace

const DirectXInfoSource& SystemDirectXInfoSource() {
    return kSystemSource;
}

}  // namespace Drobix::Platform
