#include "font_table.h"

#include <bit>

namespace fontfix {

// The registry wants UTF-16LE; a u16string's buffer is that only on a
// little-endian machine, which every Windows target is.
static_assert(std::endian::native == std::endian::little);

FontTable MakeFontTable() {
  return FontTable{
      .valueNames = {u"Arial (TrueType)", u"Georgia (TrueType)",
                     u"Georgia Bold (TrueType)", u"Georgia Italic (TrueType)",
                     u"Verdana (TrueType)", u"Verdana Bold (TrueType)"},
      .fileNames = {u"arial.ttf", u"georgia.ttf", u"georgiab.ttf",
                    u"georgiai.ttf", u"verdana.ttf", u"verdanab.ttf"},
  };
}

const std::uint8_t* RegSzData(const std::u16string& text) {
  return reinterpret_cast<const std::uint8_t*>(text.c_str());
}

std::uint32_t RegSzByteCount(const std::u16string& text) {
  return static_cast<std::uint32_t>((text.size() + 1) * sizeof(char16_t));
}

}  // namespace fontfix
