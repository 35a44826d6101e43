// The few window-system types that appear in the library's signatures.
//
// They are declared exactly as <windows.h> declares them (an opaque struct pointer per handle
// kind), so a host that includes <windows.h> sees the same types, while the components and the
// headless back end never need that header.
#pragma once

#include <cstdint>

struct HWND__;
typedef HWND__* HWND;
struct HMENU__;
typedef HMENU__* HMENU;

// A message's parameters and answer: pointer-sized, so a pointer or a handle fits in them on
// 32-bit and 64-bit code alike. On Windows these are <windows.h>'s own types.
#if defined(_WIN64)
typedef unsigned long long WPARAM;
typedef long long LPARAM;
typedef long long LRESULT;
#elif defined(_WIN32)
typedef unsigned int WPARAM;
typedef long LPARAM;
typedef long LRESULT;
#else
typedef std::uintptr_t WPARAM;
typedef std::intptr_t LPARAM;
typedef std::intptr_t LRESULT;
#endif
static_assert(sizeof(WPARAM) == sizeof(void*) && sizeof(LPARAM) == sizeof(void*) &&
              sizeof(LRESULT) == sizeof(void*));

namespace orv {

// A colour in the window system's layout: 0x00BBGGRR.
using Color = std::uint32_t;

constexpr Color Rgb(unsigned r, unsigned g, unsigned b) {
    return static_cast<Color>((r & 0xffu) | ((g & 0xffu) << 8) | ((b & 0xffu) << 16));
}

// Window messages the library sends to the host.
constexpr unsigned kWmCommand = 0x0111;
// A user code that is not a menu screen goes to the main window with this message.
constexpr unsigned kWmUserCode = 0x07F2;

}  // namespace orv
