// Turning a fuzzer's bytes into what the portable parsers take: UTF-16 texts, lists of texts, small numbers.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace tapstart::fuzz {

// A text of UTF-16 units, two bytes each (little-endian), so that every unit, lone surrogates included, is reached.
inline std::u16string Utf16Text(FuzzedDataProvider& in, size_t maxUnits) {
  const std::string bytes = in.ConsumeRandomLengthString(maxUnits * 2);
  std::u16string out;
  out.reserve(bytes.size() / 2);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2)
    out.push_back(static_cast<char16_t>(static_cast<uint8_t>(bytes[i]) | (static_cast<uint8_t>(bytes[i + 1]) << 8)));
  return out;
}

// All of what is left, as UTF-16 units.
inline std::u16string RemainingUtf16(FuzzedDataProvider& in) { return Utf16Text(in, in.remaining_bytes() / 2 + 1); }

// Texts split at the unit 0, as a command line's arguments arrive one by one.
inline std::vector<std::u16string> SplitAtZero(const std::u16string& text) {
  std::vector<std::u16string> parts(1);
  for (char16_t c : text) {
    if (c == 0)
      parts.emplace_back();
    else
      parts.back().push_back(c);
  }
  return parts;
}

// A stand-in for a double-byte ANSI code page: ASCII one byte, every other unit two.
inline size_t DoubleByteCount(std::u16string_view text) {
  size_t n = 0;
  for (char16_t c : text) n += c < 0x80 ? 1 : 2;
  return n;
}

// A broken rule is a finding: the fuzzer stops and keeps the input.
inline void Check(bool holds) {
  if (!holds) std::abort();
}

}  // namespace tapstart::fuzz
