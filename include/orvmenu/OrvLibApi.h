// Which library each public declaration comes from, so a host links only installed libraries.
//
// A process holds one copy of each: OrvServices (directories, files, code page, XML, form
// colours and fonts) and the toolkit (OrvUi.dll on Windows, libOrvUiHeadless.so headless) are
// shared libraries that the host, OrvMenu and every component load, so a directory set or a
// message-box hook installed by the host is the one every component sees.
//
// C++ runtime: strings and other standard types cross these boundaries by value. A host must be
// built with the same compiler and standard library as the libraries: on Windows MinGW-w64 GCC
// (posix threads, libstdc++ linked statically into each module, the C runtime msvcrt.dll shared
// by all); headless the system's GCC and libstdc++. Memory one module allocates is freed by the
// module that allocated it (components come with their own Destroy function).
#pragma once

#if defined(_WIN32)
#define ORV_LIB_EXPORT __declspec(dllexport)
#define ORV_LIB_IMPORT __declspec(dllimport)
#else
#define ORV_LIB_EXPORT __attribute__((visibility("default")))
#define ORV_LIB_IMPORT __attribute__((visibility("default")))
#endif

#ifdef ORV_SERVICES_BUILD
#define ORV_SERVICES_API ORV_LIB_EXPORT
#else
#define ORV_SERVICES_API ORV_LIB_IMPORT
#endif

#ifdef ORV_UI_BUILD
#define ORV_UI_API ORV_LIB_EXPORT
#else
#define ORV_UI_API ORV_LIB_IMPORT
#endif
