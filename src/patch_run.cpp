#include "patch_run.h"

#include <string>

#include "font_table.h"

namespace fontfix {
namespace {

constexpr std::uint32_t kZeroOptions = 0;

// Attempts every row, whatever earlier rows returned, so one bad value does
// not keep the others from being registered. Returns how many failed.
int WriteTable(Registry& registry, KeyHandle key, const FontTable& table) {
  int failed = 0;
  for (std::size_t row = 0; row < FontTable::kRows; ++row) {
    const std::u16string& file = table.fileNames[row];
    if (registry.SetValue(key, table.valueNames[row], kRegSz, RegSzData(file),
                          RegSzByteCount(file)) != kErrorSuccess) {
      ++failed;
    }
  }
  return failed;
}

}  // namespace

int PatchRun(Registry& registry, std::FILE* out) {
  const FontTable table = MakeFontTable();

  KeyHandle handle = 0;
  if (registry.OpenKey(kHkeyLocalMachine, kFontsKeyPath, kZeroOptions,
                       kKeyAllAccess, &handle) != kErrorSuccess) {
    std::fputs(kOpenFailedMessage, out);
    return kExitOpenFailed;
  }

  int failed = 0;
  {
    ScopedKey key(registry, handle);
    failed = WriteTable(registry, key.get(), table);
  }  // The key is closed before anything is reported.

  if (failed == 0) {
    std::fputs(kPatchedMessage, out);
    return kExitPatched;
  }
  const std::string message = std::to_string(failed) + " of " +
                              std::to_string(FontTable::kRows) +
                              " fonts could not be patched";
  std::fputs(message.c_str(), out);
  return kExitSomeWritesFailed;
}

}  // namespace fontfix
