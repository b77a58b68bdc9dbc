// UTF-16 text helpers of the portable core.
#include "Text.h"

namespace tapstart {

std::u16string Ascii(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (unsigned char c : text) out.push_back(c);
  return out;
}

std::u16string FromUtf8(std::string_view s) {
  std::u16string out;
  out.reserve(s.size());
  size_t i = 0;
  while (i < s.size()) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    char32_t cp = 0xFFFD;
    size_t len = 1;
    if (b0 < 0x80) {
      cp = b0;
    } else if ((b0 & 0xE0) == 0xC0) {
      len = 2;
    } else if ((b0 & 0xF0) == 0xE0) {
      len = 3;
    } else if ((b0 & 0xF8) == 0xF0) {
      len = 4;
    }
    if (len > 1) {
      if (i + len > s.size()) {
        len = 1;
      } else {
        char32_t v = b0 & (0x7F >> len);
        bool ok = true;
        for (size_t k = 1; k < len; ++k) {
          const auto b = static_cast<unsigned char>(s[i + k]);
          if ((b & 0xC0) != 0x80) {
            ok = false;
            break;
          }
          v = (v << 6) | (b & 0x3F);
        }
        // The shortest form only: an over-long form (a zero or "/" in two to four bytes) is invalid.
        static constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (ok && v >= kShortest[len] && v <= 0x10FFFF && !(v >= 0xD800 && v <= 0xDFFF))
          cp = v;
        else
          len = 1;
      }
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
    i += len;
  }
  return out;
}

std::string ToUtf8(std::u16string_view s) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    char32_t cp = s[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (s[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;
    }
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

bool IsBlank(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

std::u16string TrimLeft(std::u16string_view t) {
  size_t b = 0;
  while (b < t.size() && IsBlank(t[b])) ++b;
  return std::u16string(t.substr(b));
}

std::u16string TrimRight(std::u16string_view t) {
  size_t e = t.size();
  while (e > 0 && IsBlank(t[e - 1])) --e;
  return std::u16string(t.substr(0, e));
}

std::u16string Trim(std::u16string_view t) { return TrimLeft(TrimRight(t)); }

std::u16string AsciiLower(std::u16string_view t) {
  std::u16string out(t);
  for (auto& c : out)
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  return out;
}

bool Contains(std::u16string_view text, std::u16string_view part) {
  return text.find(part) != std::u16string_view::npos;
}

int32_t DecimalValue(std::u16string_view t) {
  size_t i = 0;
  while (i < t.size() && IsBlank(t[i])) ++i;
  bool negative = false;
  if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) negative = t[i++] == u'-';
  int64_t v = 0;
  for (; i < t.size() && t[i] >= u'0' && t[i] <= u'9'; ++i) {
    v = v * 10 + (t[i] - u'0');
    if (v > INT64_C(0x80000000)) v = INT64_C(0x80000000);
  }
  if (negative) v = -v;
  if (v > INT32_MAX) v = INT32_MAX;
  return static_cast<int32_t>(v);
}

std::u16string DecimalText(int64_t value) {
  std::u16string out;
  const bool negative = value < 0;
  uint64_t v = negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  do {
    out.insert(out.begin(), static_cast<char16_t>(u'0' + v % 10));
    v /= 10;
  } while (v != 0);
  if (negative) out.insert(out.begin(), u'-');
  return out;
}

bool AllDigits(std::u16string_view t) {
  if (t.empty()) return false;
  for (char16_t c : t)
    if (c < u'0' || c > u'9') return false;
  return true;
}

std::u16string CutUnits(std::u16string_view text, size_t maxUnits) {
  if (text.size() <= maxUnits) return std::u16string(text);
  size_t n = maxUnits;
  if (n > 0 && text[n - 1] >= 0xD800 && text[n - 1] <= 0xDBFF) --n;
  return std::u16string(text.substr(0, n));
}

std::u16string CutToAnsiBytes(std::u16string_view text, size_t maxBytes, const AnsiByteCounter& ansiBytes) {
  if (ansiBytes(text) <= maxBytes) return std::u16string(text);
  std::u16string cut(text);
  while (!cut.empty() && ansiBytes(cut) > maxBytes) {
    const bool pair = cut.size() >= 2 && cut.back() >= 0xDC00 && cut.back() <= 0xDFFF;
    cut.resize(cut.size() - (pair ? 2 : 1));
  }
  return cut;
}

}  // namespace tapstart
