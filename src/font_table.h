// The six font registrations that fontfix writes under the machine-wide
// Fonts key.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace fontfix {

// Row i pairs the registry value name valueNames[i] with the bare font file
// name fileNames[i] that the value holds.
struct FontTable {
  static constexpr std::size_t kRows = 6;

  // Constant, NUL-terminated UTF-16 text: "<font> (TrueType)".
  std::array<const char16_t*, kRows> valueNames;
  // Owned copies, made when the table is built; lower case, ".ttf".
  std::array<std::u16string, kRows> fileNames;
};

// Builds the table, copying the six file names into owned strings.
FontTable MakeFontTable();

// The REG_SZ data of `text`: its UTF-16LE code units and the terminating NUL.
const std::uint8_t* RegSzData(const std::u16string& text);

// The byte count that goes with RegSzData(text): the NUL is counted.
std::uint32_t RegSzByteCount(const std::u16string& text);

}  // namespace fontfix
