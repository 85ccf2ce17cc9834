// What fontpatch must write and say, written out once for every test, native
// and Windows-side, independently of the program's own constants.
#pragma once

#include <cstdint>

namespace fontpatch {

struct ExpectedRow {
  const char* valueName;
  const char* fileName;
  std::uint32_t byteCount;  // UTF-16LE with the NUL.
};

inline constexpr ExpectedRow kExpectedRows[] = {
    {"Arial (TrueType)", "arial.ttf", 20},
    {"Georgia (TrueType)", "georgia.ttf", 24},
    {"Georgia Bold (TrueType)", "georgiab.ttf", 26},
    {"Georgia Italic (TrueType)", "georgiai.ttf", 26},
    {"Verdana (TrueType)", "verdana.ttf", 24},
    {"Verdana Bold (TrueType)", "verdanab.ttf", 26},
};

inline constexpr char kExpectedFontsPath[] =
    "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";

inline constexpr char kExpectedPatched[] = "6 fonts were succesfully patched";
inline constexpr char kExpectedOpenFailed[] =
    "Cannot open registry key. Not enough rights? Patch should be started "
    "under administrator account.";

}  // namespace fontpatch
