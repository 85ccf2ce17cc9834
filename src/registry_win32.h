// The registry on Windows, through advapi32. Only built for Windows.
#pragma once

#include "registry.h"

namespace fontfix {

class Win32Registry final : public Registry {
 public:
  RegStatus OpenKey(std::uint32_t root, const char16_t* subKey,
                    std::uint32_t options, std::uint32_t access,
                    KeyHandle* key) override;
  RegStatus SetValue(KeyHandle key, const char16_t* name, std::uint32_t type,
                     const std::uint8_t* data,
                     std::uint32_t byteCount) override;
  RegStatus CloseKey(KeyHandle key) override;
};

}  // namespace fontfix
