#include <cstdio>

#include "patch_run.h"
#include "registry_win32.h"

// The run takes no arguments: whatever is on the command line is ignored.
int wmain(int, wchar_t**, wchar_t**) {
  fontfix::Win32Registry registry;
  return fontfix::PatchRun(registry, stdout);
}
