// The integration tests change the machine-wide Fonts key. They run only
// under Wine, in the throwaway prefix the build made for them, so that they
// can never touch a real Windows machine or a user's own Wine prefix.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

bool RunningUnderWine() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr &&
         GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

std::string Environment(const char* name) {
  char value[4096];
  const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
  return length > 0 && length < sizeof value ? std::string(value, length)
                                             : std::string();
}

}  // namespace

int main(int argc, char** argv) {
  if (!RunningUnderWine()) {
    std::fputs(
        "refusing to run: these tests change HKEY_LOCAL_MACHINE and run "
        "only under Wine\n",
        stderr);
    return 2;
  }
  const std::string prefix = Environment("WINEPREFIX");
  const std::string dir = FONTFIX_TEST_PREFIX_DIR;
  if (prefix != dir + "/wineprefix-win32" &&
      prefix != dir + "/wineprefix-win64") {
    std::fprintf(stderr,
                 "refusing to run: WINEPREFIX is '%s', not a test prefix "
                 "'%s/wineprefix-win32' or '-win64'\n",
                 prefix.c_str(), dir.c_str());
    return 2;
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
