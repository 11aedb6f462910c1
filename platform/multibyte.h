#pragma once

#include <cstddef>
#include <string_view>

// Double-byte stepping in the system code page: a byte of 0x80 or more starts a two-byte
// character and takes the next byte with it, whatever that byte is.
constexpr bool IsLeadByte(char byte) noexcept { return static_cast<unsigned char>(byte) >= 0x80; }

// Position of the character after the one starting at `pos`. A lead byte at the very end has no
// second byte, so the result may be text.size() + 1; callers treat anything past the end as the end.
constexpr std::size_t NextCharacter(std::string_view text, std::size_t pos) noexcept {
  return pos + (IsLeadByte(text[pos]) ? 2 : 1);
}
