// What Windows itself reads from fontfix.exe: its resources and its header.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "child_process.h"
#include "win_handles.h"

namespace fontfix::wintest {
namespace {

const std::string kManifest =
    "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" "
    "manifestVersion=\"1.0\">\r\n</assembly>";

// Integer resource types, names and languages, as the loader lists them.
struct ResourceId {
  ULONG_PTR type;
  ULONG_PTR name;
  WORD language;
  bool operator==(const ResourceId&) const = default;
};

BOOL CALLBACK OnLanguage(HMODULE, LPCWSTR type, LPCWSTR name, WORD language,
                         LONG_PTR found) {
  reinterpret_cast<std::vector<ResourceId>*>(found)->push_back(
      {reinterpret_cast<ULONG_PTR>(type), reinterpret_cast<ULONG_PTR>(name),
       language});
  return TRUE;
}

BOOL CALLBACK OnName(HMODULE module, LPCWSTR type, LPWSTR name,
                     LONG_PTR found) {
  EnumResourceLanguagesW(module, type, name, OnLanguage, found);
  return TRUE;
}

BOOL CALLBACK OnType(HMODULE module, LPWSTR type, LONG_PTR found) {
  EnumResourceNamesW(module, type, OnName, found);
  return TRUE;
}

TEST(ImageTest, OnlyResourceIsTheManifest) {
  UniqueModule image(LoadLibraryExW(BesideThisProgram(L"fontfix.exe").c_str(),
                                    nullptr, LOAD_LIBRARY_AS_DATAFILE));
  ASSERT_NE(image, nullptr);

  std::vector<ResourceId> found;
  EnumResourceTypesW(image.get(), OnType, reinterpret_cast<LONG_PTR>(&found));
  EXPECT_EQ(found, (std::vector<ResourceId>{{24, 1, 1033}}));

  HRSRC manifest = FindResourceExW(image.get(), MAKEINTRESOURCEW(24),
                                   MAKEINTRESOURCEW(1), 1033);
  ASSERT_NE(manifest, nullptr);
  const DWORD size = SizeofResource(image.get(), manifest);
  const char* bytes = static_cast<const char*>(
      LockResource(LoadResource(image.get(), manifest)));
  ASSERT_NE(bytes, nullptr);
  EXPECT_EQ(std::string(bytes, size), kManifest);
  EXPECT_EQ(size, 86u);
}

TEST(ImageTest, HeaderDeclaresA32BitConsoleProgramForWindows50) {
  std::ifstream file(BesideThisProgram(L"fontfix.exe").c_str(),
                     std::ios::binary);
  const std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
  ASSERT_GT(bytes.size(), sizeof(IMAGE_DOS_HEADER));
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes.data());
  ASSERT_EQ(dos->e_magic, IMAGE_DOS_SIGNATURE);
  ASSERT_LT(dos->e_lfanew + sizeof(IMAGE_NT_HEADERS32), bytes.size());
  const auto* nt =
      reinterpret_cast<const IMAGE_NT_HEADERS32*>(bytes.data() + dos->e_lfanew);
  ASSERT_EQ(nt->Signature, IMAGE_NT_SIGNATURE);
  EXPECT_EQ(nt->FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
  EXPECT_EQ(nt->FileHeader.Characteristics & IMAGE_FILE_RELOCS_STRIPPED, 0);
  const IMAGE_OPTIONAL_HEADER32& optional = nt->OptionalHeader;
  EXPECT_EQ(optional.Magic, IMAGE_NT_OPTIONAL_HDR32_MAGIC);
  EXPECT_EQ(optional.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_CUI);
  EXPECT_EQ(optional.MajorSubsystemVersion, 5);
  EXPECT_EQ(optional.MinorSubsystemVersion, 0);
  EXPECT_EQ(optional.MajorOperatingSystemVersion, 5);
  EXPECT_EQ(optional.MinorOperatingSystemVersion, 0);
  const WORD aslrAndDep = IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE |
                          IMAGE_DLLCHARACTERISTICS_NX_COMPAT;
  EXPECT_EQ(optional.DllCharacteristics & aslrAndDep, aslrAndDep);
  EXPECT_NE(optional.DataDirectory[IMAGE_DIRECTORY_ENTRY_BASERELOC].Size, 0u);
  EXPECT_EQ(nt->FileHeader.TimeDateStamp, 0u);
}

}  // namespace
}  // namespace fontfix::wintest
