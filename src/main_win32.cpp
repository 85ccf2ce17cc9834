#include <cstdio>

#include "patch_run.h"
#include "registry.h"

// The run takes no arguments: whatever is on the command line is ignored.
int wmain(int, wchar_t**, wchar_t**) {
  fontpatch::Win32Registry registry;
  return fontpatch::PatchRun(registry, stdout);
}
