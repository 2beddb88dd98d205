// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <windows.h>
// After windows.h, which it needs.
#include <dxgi.h>

#include <cstdlib>
#include <string_view>

#include "platform/sdl/GpuPresence.h"

namespace Drobix::Platform::Sdl {

namespace {

// Windows' own adapter that renders on the processor ("Microsoft Basic Render Driver").
constexpr UINT kSoftwareAdapterVendor = 0x1414;

// The DXGI factory's interface, named here so that no GUID library is needed.
constexpr IID kFactoryInterface = {
    0x770aae78, 0xf26f, 0x4dba, {0xa8, 0x29, 0x25, 0x3c, 0x83, 0xd1, 0xb3, 0x87}};

bool IsHardware(IDXGIAdapter1& adapter) {
    DXGI_ADAPTER_DESC1 description{};
    return SUCCEEDED(adapter.GetDesc1(&description)) &&
           (description.Flags & DXGI_ADAPTER_FLAG_SOFTWARE) == 0 &&
           description.VendorId != kSoftwareAdapterVendor;
}

}  // namespace

const char* const kGpuFoundReason = "a hardware display adapter is there";

// Under Wine, Direct3D runs on Mesa's OpenGL, which this variable puts on the processor, as on
// Linux; Wine then still reports its adapter as hardware.
bool SystemOffersGpu(std::string& whyNot) {
    const char* software = std::getenv("LIBGL_ALWAYS_SOFTWARE");
    if (software != nullptr && software[0] != '\0' && std::string_view(software) != "0") {
        whyNot = "LIBGL_ALWAYS_SOFTWARE asks for software rendering";
        return false;
    }
    IDXGIFactory1* factory = nullptr;
    if (FAILED(CreateDXGIFactory1(kFactoryInterface, reinterpret_cast<void**>(&factory)))) {
        whyNot = "no DXGI factory";
        return false;
    }
    bool found = false;
    IDXGIAdapter1* adapter = nullptr;
    for (UINT index = 0; !found && factory->EnumAdapters1(index, &adapter) == S_OK; ++index) {
        found = IsHardware(*adapter);
        adapter->Release();
    }
    factory->Release();
    if (!found) {
        whyNot = "no hardware display adapter";
    }
    return found;
}

}  // namespace Drobix::Platform::Sdl
