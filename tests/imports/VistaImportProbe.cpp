// Built only to fail the import check: it imports a function that Windows XP
// lacks, as a toolchain's threading runtime once did behind our back. Declared
// by hand so the probe needs no system header.
extern "C" __declspec(dllimport) unsigned long long __stdcall GetTickCount64();

int main() { return GetTickCount64() == 0 ? 1 : 0; }
