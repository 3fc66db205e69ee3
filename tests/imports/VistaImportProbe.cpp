// Built only to fail the import check: it imports a function that Windows XP
// lacks, as a toolchain's threading runtime once did behind our back.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0600
#include <windows.h>

int main() { return GetTickCount64() == 0 ? 1 : 0; }
