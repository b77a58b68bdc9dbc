// Reading, defaulting and saving the on-screen display settings, the font list's rules and the preview height.
#include "OnScreenData.h"

#include <memory>
#include <optional>

#include "store/Text.h"

namespace tapstart {
namespace {

constexpr std::u16string_view kSection = u"ONSCREEN";
constexpr std::u16string_view kDefaultKey = u"Software\\Varden\\VARDENZEB\\Default\\OnScreen";
constexpr uint32_t kGreen = 0x0000FF00;
constexpr uint8_t kStandardSize = 3;
// The preview height when the desktop's work area cannot be read.
constexpr int kUnknownWorkAreaHeight = 43;

bool ValidSize(int64_t size) { return size >= 1 && size <= 5; }

// A whole decimal number: blanks around it, an optional sign, at least one digit and nothing else. Text the
// profile file may hold by hand ("", "on", "3x") is no number, so the setting falls back to its default.
std::optional<int64_t> WholeNumber(std::u16string_view text) {
  const std::u16string t = Trim(text);
  size_t i = 0;
  bool negative = false;
  if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) negative = t[i++] == u'-';
  if (i == t.size()) return std::nullopt;
  int64_t v = 0;
  for (; i < t.size(); ++i) {
    if (t[i] < u'0' || t[i] > u'9') return std::nullopt;
    // Saturates far beyond any value these settings accept, so that long texts cannot overflow.
    if (v < INT64_C(10000000000)) v = v * 10 + (t[i] - u'0');
  }
  return negative ? -v : v;
}

// A colour as the store keeps it: digits only, no sign, and a value a 32-bit signed number holds (the colour is
// written in signed decimal, so nothing larger was ever saved).
std::optional<uint32_t> StoredColor(std::u16string_view text) {
  if (!AllDigits(text)) return std::nullopt;
  const auto v = WholeNumber(text);
  if (!v || *v > INT32_MAX) return std::nullopt;
  return static_cast<uint32_t>(*v);
}

}  // namespace

ONSCREEN_DATA ReadOnScreenDefaults(const SettingsStore& store, const std::u16string& uiFace) {
  const bool ini = store.useIniFile;
  ONSCREEN_DATA d;
  const auto on = static_cast<uint32_t>(store.GetRegDword(Hive::LocalMachine, kDefaultKey, u"OnScreen", 0));
  d.on = on == 0 ? 0 : 1;
  d.face = store.GetRegString(Hive::LocalMachine, kDefaultKey, ini ? u"FontName" : u"FontFace", uiFace);
  const int32_t size = store.GetRegDword(Hive::LocalMachine, kDefaultKey, ini ? u"FontSize" : u"Size", 0);
  d.size = ValidSize(size) ? static_cast<uint8_t>(size) : kStandardSize;
  // A colour whose signed decimal text has a minus sign (the top bit set) is no colour reference.
  const int32_t color = store.GetRegDword(Hive::LocalMachine, kDefaultKey, u"Color", 0);
  d.color = color >= 0 ? static_cast<uint32_t>(color) : kGreen;
  return d;
}

std::u16string ReadPreviewText(const SettingsStore& store) {
  return store.GetRegString(Hive::LocalMachine, kDefaultKey, u"Preview", u"");
}

FontLookup LookupIn(std::vector<std::u16string> fontList) {
  auto list = std::make_shared<const std::vector<std::u16string>>(std::move(fontList));
  return {[list](std::u16string_view face) -> std::optional<std::u16string> {
            const int listed = FindFont(*list, face);
            if (listed < 0) return std::nullopt;
            return (*list)[static_cast<size_t>(listed)];
          },
          [list]() -> std::optional<std::u16string> {
            if (list->empty()) return std::nullopt;
            return list->front();
          }};
}

ONSCREEN_DATA ReadOnScreen(const SettingsStore& store, const ONSCREEN_DATA& defaults, const FontLookup& fonts) {
  ONSCREEN_DATA d = defaults;

  const auto on = WholeNumber(store.GetProfileText(kSection, u"OnScreen", DecimalText(defaults.on)));
  if (on && (*on == 0 || *on == 1)) d.on = static_cast<uint8_t>(*on);

  std::optional<std::u16string> listed = fonts.find(store.GetProfileText(kSection, u"FontName", defaults.face));
  if (!listed) listed = fonts.find(defaults.face);
  // Neither the stored nor the factory face is installed: the first listed face, so that the font combo and
  // the preview show a font that exists. Without any font the factory face stays.
  if (!listed) listed = fonts.first();
  if (listed) d.face = *listed;

  const auto size = WholeNumber(store.GetProfileText(kSection, u"FontSize", DecimalText(defaults.size)));
  if (size && ValidSize(*size)) d.size = static_cast<uint8_t>(*size);

  const auto color = StoredColor(store.GetProfileText(kSection, u"Color", DecimalText(defaults.color)));
  if (color) d.color = *color;
  return d;
}

bool SaveOnScreen(SettingsStore& store, const ONSCREEN_DATA& data) {
  const StoreHold hold = store.Hold();
  bool ok = store.WriteProfileText(kSection, u"OnScreen", DecimalText(data.on));
  ok &= store.WriteProfileText(kSection, u"FontName", data.face);
  ok &= store.WriteProfileText(kSection, u"FontSize", DecimalText(data.size));
  ok &= store.WriteProfileText(kSection, u"Color", DecimalText(static_cast<int32_t>(data.color)));
  return ok;
}

int PreviewHeight(int workAreaBottom, int sizeStep) {
  if (workAreaBottom <= 0) return kUnknownWorkAreaHeight;
  // The divisors 30, 15, 10, 7 and 6 for the steps 1 to 5; a step outside them is drawn as Standard.
  const int step = ValidSize(sizeStep) ? sizeStep : kStandardSize;
  return workAreaBottom / (30 / step);
}

bool IsListedFont(const FontFamilyInfo& font) {
  constexpr uint8_t kAnsiCharset = 0;
  constexpr uint8_t kShiftJisCharset = 128;
  constexpr int32_t kNormalWeight = 400;
  // A face beginning with "@" is a family turned for vertical writing; the display writes across the screen.
  const std::u16string face = Trim(font.face);
  return !face.empty() && face.front() != u'@' && font.trueType && !font.italic && font.weight <= kNormalWeight &&
         (font.charset == kAnsiCharset || font.charset == kShiftJisCharset);
}

void AddToFontList(std::vector<std::u16string>& list, const FontFamilyInfo& font) {
  if (!IsListedFont(font)) return;
  std::u16string face = Trim(font.face);
  if (FindFont(list, face) >= 0) return;
  list.push_back(std::move(face));
}

int FindFont(const std::vector<std::u16string>& list, std::u16string_view face) {
  const std::u16string wanted = AsciiLower(face);
  for (size_t i = 0; i < list.size(); ++i)
    if (AsciiLower(list[i]) == wanted) return static_cast<int>(i);
  return -1;
}

}  // namespace tapstart
