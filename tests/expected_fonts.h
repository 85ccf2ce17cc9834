// What fontfix must write and say, written out once for every test, native
// and Windows-side, independently of the program's own constants.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fontfix {

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

// The REG_SZ data of ASCII `text`: its UTF-16LE bytes and a NUL code unit,
// built independently of the program's own conversion.
inline std::vector<std::uint8_t> Utf16LeWithNul(const std::string& text) {
  std::vector<std::uint8_t> bytes;
  for (char c : text) {
    bytes.push_back(static_cast<std::uint8_t>(c));
    bytes.push_back(0);
  }
  bytes.push_back(0);
  bytes.push_back(0);
  return bytes;
}

}  // namespace fontfix
