// The benchmark's second floor: a program that does nothing but, like
// fontfix.exe, imports advapi32, so the loader maps it and its dependencies.
#include <windows.h>

int wmain(int, wchar_t**, wchar_t**) {
  // Taking the address is enough for the import; the call never happens.
  volatile auto close = &RegCloseKey;
  return close == nullptr ? 1 : 0;
}
