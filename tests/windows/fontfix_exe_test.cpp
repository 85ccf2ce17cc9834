// fontfix.exe against Wine's registry, read back through the registry API.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "child_process.h"
#include "expected_fonts.h"
#include "registry_snapshot.h"
#include "win_handles.h"

namespace fontfix::wintest {
namespace {

std::wstring Wide(const char* ascii) {
  return std::wstring(ascii, ascii + std::char_traits<char>::length(ascii));
}

const std::wstring kFontsPath = Wide(kExpectedFontsPath);

bool IsTableName(const std::wstring& name) {
  for (const ExpectedRow& row : kExpectedRows) {
    if (CompareStringOrdinal(name.c_str(), -1, Wide(row.valueName).c_str(), -1,
                             TRUE) == CSTR_EQUAL) {
      return true;
    }
  }
  return false;
}

// What a row's value must hold: REG_SZ, UTF-16LE, the NUL counted.
StoredValue RegSz(const std::string& ascii) {
  return StoredValue{REG_SZ, Utf16LeWithNul(ascii)};
}

UniqueHkey OpenFonts(REGSAM access) {
  HKEY key = nullptr;
  const LONG status =
      RegOpenKeyExW(HKEY_LOCAL_MACHINE, kFontsPath.c_str(), 0, access, &key);
  return UniqueHkey(status == ERROR_SUCCESS ? key : nullptr);
}

ProcessResult RunFontfix(const std::vector<std::wstring>& args = {}) {
  return RunProgram(BesideThisProgram(L"fontfix.exe"), args);
}

// Every test leaves the Fonts key as it found it: values and DACL.
class FontfixExeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UniqueHkey key = OpenFonts(KEY_READ | READ_CONTROL);
    ASSERT_NE(key, nullptr) << "the test prefix has no Fonts key";
    before_ = ReadValues(key.get());
    DWORD size = 0;
    RegGetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, nullptr, &size);
    dacl_.resize(size);
    ASSERT_EQ(RegGetKeySecurity(key.get(), DACL_SECURITY_INFORMATION,
                                dacl_.data(), &size),
              ERROR_SUCCESS);
  }

  void TearDown() override { Restore(); }

  // Puts back the key, its DACL and its values as SetUp found them.
  void Restore() {
    HKEY created = nullptr;
    ASSERT_EQ(
        RegCreateKeyExW(HKEY_LOCAL_MACHINE, kFontsPath.c_str(), 0, nullptr, 0,
                        WRITE_DAC, nullptr, &created, nullptr),
        ERROR_SUCCESS);
    UniqueHkey owner(created);
    EXPECT_EQ(
        RegSetKeySecurity(owner.get(), DACL_SECURITY_INFORMATION, dacl_.data()),
        ERROR_SUCCESS);
    UniqueHkey key = OpenFonts(KEY_ALL_ACCESS);
    ASSERT_NE(key, nullptr);
    WriteValues(key.get(), before_);
    EXPECT_EQ(ReadValues(key.get()), before_);
  }

  KeyValues Now() {
    UniqueHkey key = OpenFonts(KEY_READ);
    EXPECT_NE(key, nullptr);
    return key ? ReadValues(key.get()) : KeyValues{};
  }

  // The six table values hold exactly their file names; every other value
  // is as it was before the run.
  void ExpectPatched(const KeyValues& before) {
    KeyValues after = Now();
    for (const ExpectedRow& row : kExpectedRows) {
      SCOPED_TRACE(row.fileName);
      auto found = after.find(Wide(row.valueName));
      ASSERT_NE(found, after.end());
      EXPECT_EQ(found->second, RegSz(row.fileName));
    }
    std::erase_if(after, [](const auto& v) { return IsTableName(v.first); });
    KeyValues others = before;
    std::erase_if(others, [](const auto& v) { return IsTableName(v.first); });
    EXPECT_EQ(after, others);
  }

  // The rights failure, exactly, with nothing else said or done.
  static void ExpectOpenFailed(const ProcessResult& result) {
    EXPECT_EQ(result.out, kExpectedOpenFailed);
    EXPECT_EQ(result.out.size(), 97u);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.exitCode, 0xFFFFFFFFu);
  }

  // Replaces the key's DACL with one that allows everyone `access`.
  static void AllowOnly(REGSAM access) {
    BYTE everyone[SECURITY_MAX_SID_SIZE];
    DWORD sidSize = sizeof everyone;
    ASSERT_TRUE(CreateWellKnownSid(WinWorldSid, nullptr, everyone, &sidSize));
    std::vector<BYTE> acl(sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) + sidSize);
    auto* dacl = reinterpret_cast<ACL*>(acl.data());
    ASSERT_TRUE(
        InitializeAcl(dacl, static_cast<DWORD>(acl.size()), ACL_REVISION));
    ASSERT_TRUE(AddAccessAllowedAce(dacl, ACL_REVISION, access, everyone));
    SECURITY_DESCRIPTOR descriptor;
    ASSERT_TRUE(InitializeSecurityDescriptor(&descriptor,
                                             SECURITY_DESCRIPTOR_REVISION));
    ASSERT_TRUE(SetSecurityDescriptorDacl(&descriptor, TRUE, dacl, FALSE));
    UniqueHkey key = OpenFonts(WRITE_DAC);
    ASSERT_NE(key, nullptr);
    ASSERT_EQ(
        RegSetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, &descriptor),
        ERROR_SUCCESS);
  }

  KeyValues before_;
  std::vector<BYTE> dacl_;  // A SECURITY_DESCRIPTOR holding the DACL.
};

TEST_F(FontfixExeTest, RegistersTheSixFontsAndLeavesOthersAlone) {
  const ProcessResult result = RunFontfix();

  EXPECT_EQ(result.out, kExpectedPatched);
  EXPECT_EQ(result.out.size(), 32u);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.exitCode, 0u);
  ExpectPatched(before_);
}

TEST_F(FontfixExeTest, ReplacesTableValuesOfOtherTypes) {
  {
    UniqueHkey key = OpenFonts(KEY_SET_VALUE);
    ASSERT_NE(key, nullptr);
    const std::wstring expand = L"%WINDIR%\\Fonts\\arial.ttf";
    ASSERT_EQ(RegSetValueExW(
                  key.get(), L"Arial (TrueType)", 0, REG_EXPAND_SZ,
                  reinterpret_cast<const BYTE*>(expand.c_str()),
                  static_cast<DWORD>((expand.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
    const BYTE binary[] = {0xDE, 0xAD, 0xBE, 0xEF};
    ASSERT_EQ(RegSetValueExW(key.get(), L"Georgia (TrueType)", 0, REG_BINARY,
                             binary, sizeof binary),
              ERROR_SUCCESS);
    const DWORD number = 7;
    ASSERT_EQ(
        RegSetValueExW(key.get(), L"Verdana Bold (TrueType)", 0, REG_DWORD,
                       reinterpret_cast<const BYTE*>(&number), sizeof number),
        ERROR_SUCCESS);
  }
  const KeyValues seeded = Now();

  const ProcessResult result = RunFontfix();

  EXPECT_EQ(result.out, kExpectedPatched);
  EXPECT_EQ(result.exitCode, 0u);
  ExpectPatched(seeded);
}

TEST_F(FontfixExeTest, ArgumentsChangeNothing) {
  const std::vector<std::wstring> args = {
      L"/?", L"--help", L"-u", L"two words", L"", L"C:\\x.reg"};
  const ProcessResult result = RunFontfix(args);

  EXPECT_EQ(result.out, kExpectedPatched);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.exitCode, 0u);
  ExpectPatched(before_);
}

bool InWin64Prefix() {
  wchar_t prefix[4096];
  const DWORD length = GetEnvironmentVariableW(L"WINEPREFIX", prefix, 4096);
  return length < 4096 &&
         std::wstring_view(prefix, length).ends_with(L"wineprefix-win64");
}

// Most admins run 64-bit Windows, where this 32-bit program runs under
// WoW64. The Fonts key is one that both views share, so the values must be
// the ones 64-bit programs read, not a copy under Wow6432Node.
TEST_F(FontfixExeTest, ValuesLandInThe64BitView) {
  BOOL wow64 = FALSE;
  ASSERT_TRUE(IsWow64Process(GetCurrentProcess(), &wow64));
  if (!InWin64Prefix()) {
    EXPECT_FALSE(wow64);
    GTEST_SKIP() << "a 32-bit prefix has no 64-bit view";
  }
  ASSERT_TRUE(wow64) << "the win64 prefix must run 32-bit programs in WoW64";

  const ProcessResult result = RunFontfix();
  ASSERT_EQ(result.out, kExpectedPatched);
  ASSERT_EQ(result.exitCode, 0u);

  UniqueHkey key64 = OpenFonts(KEY_READ | KEY_WOW64_64KEY);
  ASSERT_NE(key64, nullptr);
  const KeyValues view64 = ReadValues(key64.get());
  for (const ExpectedRow& row : kExpectedRows) {
    SCOPED_TRACE(row.fileName);
    auto found = view64.find(Wide(row.valueName));
    ASSERT_NE(found, view64.end());
    EXPECT_EQ(found->second, RegSz(row.fileName));
  }
  UniqueHkey key32 = OpenFonts(KEY_READ | KEY_WOW64_32KEY);
  ASSERT_NE(key32, nullptr);
  EXPECT_EQ(ReadValues(key32.get()), view64);
}

// Without every right of KEY_ALL_ACCESS on the Fonts key the program must
// say so and change nothing: even where it could have set values, since it
// asks for full access.
struct Grant {
  const char* label;
  REGSAM everyone;  // The only access the key's DACL allows.
  friend void PrintTo(const Grant& g, std::ostream* os) { *os << g.label; }
};

class FontfixRightsTest : public FontfixExeTest,
                          public ::testing::WithParamInterface<Grant> {};

TEST_P(FontfixRightsTest, WithoutFullAccessReportsMissingRights) {
  ASSERT_NO_FATAL_FAILURE(AllowOnly(GetParam().everyone));
  // The lock holds: this very process can no longer open it for full access.
  ASSERT_EQ(OpenFonts(KEY_ALL_ACCESS).get(), nullptr);

  ExpectOpenFailed(RunFontfix());
  EXPECT_EQ(Now(), before_);
}

INSTANTIATE_TEST_SUITE_P(
    Grants, FontfixRightsTest,
    ::testing::Values(
        // A standard user: may read the key, not write it.
        Grant{"ReadOnly", KEY_READ},
        // May set values, but lacks the rest of full access. (Wine grants
        // an administrator DELETE and WRITE_OWNER whatever the DACL says, so
        // finer grants than this cannot be told apart here.)
        Grant{"ReadAndSetValue", KEY_READ | KEY_SET_VALUE}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(FontfixExeTest, MissingKeyIsReportedAndNotCreated) {
  ASSERT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, kFontsPath.c_str()),
            ERROR_SUCCESS);

  ExpectOpenFailed(RunFontfix());
  EXPECT_EQ(OpenFonts(KEY_READ).get(), nullptr);
}

// A copy signed by tools/sign differs from fontfix.exe only by its
// signature, so it must say and do exactly the same: as an administrator,
// and without the rights. The signing test puts it in signed\.
class SignedCopyTest : public FontfixExeTest {};

TEST_F(SignedCopyTest, BehavesExactlyLikeTheUnsignedFile) {
  const std::wstring signedCopy = BesideThisProgram(L"signed\\fontfix.exe");
  ASSERT_NE(GetFileAttributesW(signedCopy.c_str()), INVALID_FILE_ATTRIBUTES)
      << "no signed copy: the signing test makes it first";

  for (const bool fullAccess : {true, false}) {
    SCOPED_TRACE(fullAccess ? "with full access" : "with read access only");
    struct Outcome {
      ProcessResult run;
      KeyValues key;
    };
    auto runOnce = [&](const std::wstring& program) {
      if (!fullAccess) AllowOnly(KEY_READ);
      Outcome outcome{RunProgram(program), Now()};
      Restore();
      return outcome;
    };
    const Outcome plain = runOnce(BesideThisProgram(L"fontfix.exe"));
    const Outcome signedRun = runOnce(signedCopy);

    EXPECT_EQ(plain.run.out,
              fullAccess ? kExpectedPatched : kExpectedOpenFailed);
    EXPECT_EQ(signedRun.run.out, plain.run.out);
    EXPECT_EQ(signedRun.run.err, plain.run.err);
    EXPECT_EQ(signedRun.run.exitCode, plain.run.exitCode);
    EXPECT_EQ(signedRun.key, plain.key);
  }
}

}  // namespace
}  // namespace fontfix::wintest
