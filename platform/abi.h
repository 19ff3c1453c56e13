// Calling convention and export markers for the binary interface with the hosts.
//
// Windows: every entry point and host function is __stdcall. Linux: the plain C convention.
// Exports are extern "C"; on Linux the version script keeps everything else local.
#pragma once

#if defined(_WIN32)
#define QUILLON_STDCALL __stdcall
#define QUILLON_EXPORT __declspec(dllexport)
#else
#define QUILLON_STDCALL
#define QUILLON_EXPORT __attribute__((visibility("default")))
#endif
