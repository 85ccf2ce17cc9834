#include "font_table.h"

#include <gtest/gtest.h>

#include <string>

#include "expected_fonts.h"
#include "test_support.h"

namespace fontfix {
namespace {

TEST(FontTableTest, HoldsTheSixRowsInOrder) {
  const FontTable table = MakeFontTable();
  static_assert(FontTable::kRows == std::size(kExpectedRows));
  for (std::size_t row = 0; row < FontTable::kRows; ++row) {
    const ExpectedRow& expected = kExpectedRows[row];
    SCOPED_TRACE("row " + std::to_string(row));
    EXPECT_EQ(std::u16string(table.valueNames[row]), Utf16(expected.valueName));
    EXPECT_EQ(table.fileNames[row], Utf16(expected.fileName));
  }
}

// The registry stores exactly the bytes it is given: the data must be
// UTF-16LE and the count must take in the NUL, or the value reads back short.
TEST(FontTableTest, RegSzDataIsUtf16LeWithTheNulCounted) {
  const FontTable table = MakeFontTable();
  for (std::size_t row = 0; row < FontTable::kRows; ++row) {
    const ExpectedRow& expected = kExpectedRows[row];
    SCOPED_TRACE(expected.valueName);
    const std::u16string& file = table.fileNames[row];
    ASSERT_EQ(RegSzByteCount(file), expected.byteCount);
    const std::uint8_t* data = RegSzData(file);
    EXPECT_EQ(Bytes(data, data + RegSzByteCount(file)),
              Utf16LeWithNul(expected.fileName));
  }
}

// Windows looks a registered font up in its Fonts folder by bare name.
TEST(FontTableTest, FileNamesAreBareLowerCaseTtf) {
  for (const std::u16string& file : MakeFontTable().fileNames) {
    EXPECT_EQ(file.find_first_of(u"\\/:"), std::u16string::npos);
    EXPECT_EQ(file.find_first_of(u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"),
              std::u16string::npos);
    EXPECT_TRUE(file.ends_with(u".ttf"));
  }
}

}  // namespace
}  // namespace fontfix
