// One run of fontfix: register the six fonts of the font table under the
// machine-wide Fonts key and report the outcome.
#pragma once

#include <cstdio>

#include "registry.h"

namespace fontfix {

// The key the fonts are registered under, below HKEY_LOCAL_MACHINE.
inline constexpr char16_t kFontsKeyPath[] =
    u"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";

// The three outcomes, as the process's exit status.
inline constexpr int kExitPatched = 0;
inline constexpr int kExitSomeWritesFailed = 1;
inline constexpr int kExitOpenFailed = -1;

inline constexpr char kPatchedMessage[] = "6 fonts were succesfully patched";
inline constexpr char kOpenFailedMessage[] =
    "Cannot open registry key. Not enough rights? Patch should be started "
    "under administrator account.";

// Opens the Fonts key for full access, writes every row of the font table in
// row order, closes the key and writes one message (no line terminator) to
// `out`. Returns kExitPatched when all six writes succeeded,
// kExitSomeWritesFailed ("N of 6 fonts could not be patched") when any failed,
// and kExitOpenFailed, having written nothing, when the key could not be
// opened.
int PatchRun(Registry& registry, std::FILE* out);

}  // namespace fontfix
