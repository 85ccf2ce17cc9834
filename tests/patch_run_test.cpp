#include "patch_run.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "expected_fonts.h"
#include "test_support.h"

namespace fontfix {
namespace {

constexpr std::uint32_t kRegExpandSz = 2;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;

const std::u16string kFontsPath = Utf16(kExpectedFontsPath);

// A value that is not the program's and must come through every run as it
// was.
const RegValue kUnrelated{.name = u"Tahoma (TrueType)",
                          .type = kRegSz,
                          .data = Utf16LeWithNul("tahoma.ttf")};

class PatchRunTest : public ::testing::Test {
 protected:
  PatchRunTest() {
    MemoryKey& key = registry_.AddKey(kHkeyLocalMachine, kFontsPath);
    key.values.push_back(kUnrelated);
  }

  MemoryKey& FontsKey() {
    return registry_.AddKey(kHkeyLocalMachine, kFontsPath);
  }

  int Run() { return PatchRun(registry_, output_.stream()); }

  // The calls after the open must be six writes to the opened key in row
  // order, then its close.
  void ExpectSixWritesThenClose() {
    ASSERT_EQ(registry_.calls.size(), 8u);
    const KeyHandle opened = registry_.calls[0].key;
    for (std::size_t row = 0; row < std::size(kExpectedRows); ++row) {
      const RegCall& set = registry_.calls[1 + row];
      SCOPED_TRACE(kExpectedRows[row].fileName);
      EXPECT_EQ(set.op, RegCall::Op::kSet);
      EXPECT_EQ(set.key, opened);
      EXPECT_EQ(set.name, Utf16(kExpectedRows[row].valueName));
      EXPECT_EQ(set.type, kRegSz);
      EXPECT_EQ(set.data, Utf16LeWithNul(kExpectedRows[row].fileName));
    }
    EXPECT_EQ(registry_.calls[7].op, RegCall::Op::kClose);
    EXPECT_EQ(registry_.calls[7].key, opened);
    EXPECT_TRUE(registry_.openKeys.empty());
  }

  MemoryRegistry registry_;
  CapturedOutput output_;
};

TEST_F(PatchRunTest, WritesTheSixValuesClosesTheKeyAndReportsSuccess) {
  EXPECT_EQ(Run(), 0);

  ASSERT_FALSE(registry_.calls.empty());
  const RegCall& open = registry_.calls[0];
  EXPECT_EQ(open.op, RegCall::Op::kOpen);
  EXPECT_EQ(open.root, 0x80000002u);
  EXPECT_EQ(open.path, kFontsPath);
  EXPECT_EQ(open.path.size(), 50u);
  EXPECT_EQ(open.options, 0u);
  EXPECT_EQ(open.access, 0xF003Fu);
  EXPECT_EQ(open.result, kErrorSuccess);
  ExpectSixWritesThenClose();

  EXPECT_EQ(output_.Text(), kExpectedPatched);
  EXPECT_EQ(output_.Text().size(), 32u);

  const MemoryKey& key = FontsKey();
  ASSERT_EQ(key.values.size(), 7u);
  EXPECT_EQ(key.values[0], kUnrelated);
  for (const ExpectedRow& row : kExpectedRows) {
    const std::u16string name = Utf16(row.valueName);
    EXPECT_EQ(*key.FindValue(name),
              (RegValue{name, kRegSz, Utf16LeWithNul(row.fileName)}));
  }
}

TEST_F(PatchRunTest, SecondRunWritesTheSameAgain) {
  ASSERT_EQ(Run(), 0);
  const std::vector<RegValue> afterFirst = FontsKey().values;
  registry_.calls.clear();

  EXPECT_EQ(Run(), 0);
  ExpectSixWritesThenClose();
  EXPECT_EQ(FontsKey().values, afterFirst);
  EXPECT_EQ(output_.Text(), std::string(kExpectedPatched) + kExpectedPatched);
}

TEST_F(PatchRunTest, ReplacesTableValuesOfOtherTypes) {
  MemoryKey& key = FontsKey();
  key.values.push_back({u"Arial (TrueType)", kRegExpandSz,
                        Utf16LeWithNul("%WINDIR%\\Fonts\\arial.ttf")});
  key.values.push_back({u"Georgia (TrueType)", kRegBinary, {0xDE, 0xAD}});
  // Value names are case-insensitive: this is the row's value, not another.
  key.values.push_back({u"VERDANA (TRUETYPE)", kRegDword, {1, 0, 0, 0}});

  EXPECT_EQ(Run(), 0);

  EXPECT_EQ(key.values.size(), 7u);
  EXPECT_EQ(key.values[0], kUnrelated);
  for (const ExpectedRow& row : kExpectedRows) {
    SCOPED_TRACE(row.fileName);
    const RegValue* value = key.FindValue(Utf16(row.valueName));
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->type, kRegSz);
    EXPECT_EQ(value->data, Utf16LeWithNul(row.fileName));
  }
}

// Every way the open can fail looks the same to the user, and leaves the
// registry exactly as it was: no write, no close of a handle never had.
struct OpenFailure {
  const char* label;
  bool keyExists;
  bool readOnly;
  RegStatus expectedOpenResult;

  friend void PrintTo(const OpenFailure& f, std::ostream* os) {
    *os << f.label;
  }
};

class PatchRunOpenFailureTest : public ::testing::TestWithParam<OpenFailure> {
 protected:
  CapturedOutput output_;
};

TEST_P(PatchRunOpenFailureTest, ReportsMissingRightsAndChangesNothing) {
  const OpenFailure& failure = GetParam();
  MemoryRegistry registry;
  if (failure.keyExists) {
    MemoryKey& key = registry.AddKey(kHkeyLocalMachine, kFontsPath);
    key.values.push_back(kUnrelated);
    key.readOnly = failure.readOnly;
  }

  EXPECT_EQ(PatchRun(registry, output_.stream()), -1);

  EXPECT_EQ(output_.Text(), kExpectedOpenFailed);
  EXPECT_EQ(output_.Text().size(), 97u);
  ASSERT_EQ(registry.calls.size(), 1u);
  EXPECT_EQ(registry.calls[0].op, RegCall::Op::kOpen);
  EXPECT_EQ(registry.calls[0].result, failure.expectedOpenResult);
  const MemoryKey* key = registry.FindKey(kHkeyLocalMachine, kFontsPath);
  if (failure.keyExists) {
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->values, std::vector<RegValue>{kUnrelated});
  } else {
    EXPECT_EQ(key, nullptr);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PatchRunOpenFailureTest,
    ::testing::Values(
        OpenFailure{"KeyMissing", false, false, kErrorFileNotFound},
        OpenFailure{"StandardUser", true, true, kErrorAccessDenied}),
    [](const auto& info) { return std::string(info.param.label); });

// A failed write must never be reported as success; the other rows are still
// written and the key is still closed.
struct WriteFailure {
  const char* label;
  std::set<std::size_t> failingRows;
  std::string expectedMessage;

  friend void PrintTo(const WriteFailure& f, std::ostream* os) {
    *os << f.label;
  }
};

class PatchRunWriteFailureTest
    : public PatchRunTest,
      public ::testing::WithParamInterface<WriteFailure> {};

TEST_P(PatchRunWriteFailureTest, AttemptsEveryRowAndCountsTheFailures) {
  const WriteFailure& failure = GetParam();
  for (std::size_t row : failure.failingRows) {
    registry_.setValueErrors[Utf16(kExpectedRows[row].valueName)] =
        kErrorAccessDenied;
  }

  EXPECT_EQ(Run(), 1);

  ExpectSixWritesThenClose();
  EXPECT_EQ(output_.Text(), failure.expectedMessage);
  const MemoryKey& key = FontsKey();
  EXPECT_EQ(key.values[0], kUnrelated);
  for (std::size_t row = 0; row < std::size(kExpectedRows); ++row) {
    SCOPED_TRACE(kExpectedRows[row].fileName);
    const bool failed = failure.failingRows.contains(row);
    EXPECT_EQ(registry_.calls[1 + row].result,
              failed ? kErrorAccessDenied : kErrorSuccess);
    EXPECT_EQ(key.FindValue(Utf16(kExpectedRows[row].valueName)) != nullptr,
              !failed);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PatchRunWriteFailureTest,
    ::testing::Values(
        WriteFailure{"FirstRow", {0}, "1 of 6 fonts could not be patched"},
        WriteFailure{"LastRow", {5}, "1 of 6 fonts could not be patched"},
        WriteFailure{
            "SeveralRows", {1, 3, 4}, "3 of 6 fonts could not be patched"},
        WriteFailure{"EveryRow",
                     {0, 1, 2, 3, 4, 5},
                     "6 of 6 fonts could not be patched"}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace fontfix
