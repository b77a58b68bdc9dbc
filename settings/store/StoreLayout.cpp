// The layout of the user tree as data: one row per profile key, and the few rules that build key paths.
#include "StoreLayout.h"

#include <array>

#include "Text.h"

namespace tapstart {
namespace {

enum class Match { Exact, Contains };

struct LayoutRow {
  std::u16string_view profileKey;
  Match match;
  std::u16string_view value;
  ValueKind kind;
  bool appendLastChar;  // "AP" and "ProgName" take the program number from the key's last character
};

// Section "VARDENZEB": the root of the product key.
constexpr std::array kMainRows = {
    LayoutRow{u"ZebKeyboard", Match::Exact, u"ZEBPAD", ValueKind::Number, false},
    LayoutRow{u"CurrUser", Match::Exact, u"CurrSetting", ValueKind::Number, false},
    LayoutRow{u"NumUser", Match::Exact, u"NumSetting", ValueKind::Number, false},
};

// Section "ONSCREEN": the "OnScreen" subkey.
constexpr std::array kOnScreenRows = {
    LayoutRow{u"OnScreen", Match::Exact, u"OnScreen", ValueKind::Number, false},
    LayoutRow{u"FontName", Match::Exact, u"FontFace", ValueKind::Text, false},
    LayoutRow{u"FontSize", Match::Exact, u"size", ValueKind::Number, false},
    LayoutRow{u"Color", Match::Exact, u"Color", ValueKind::Number, false},
    LayoutRow{u"DelayTime", Match::Exact, u"Time", ValueKind::Number, false},
};

// Sections "USER" + n: "Setting\Set" + n, and "\AppKey" + b for the button keys; first match wins.
constexpr std::array kButtonRows = {
    LayoutRow{u"_Name", Match::Contains, u"DispTitle", ValueKind::Text, false},
    LayoutRow{u"_Exec", Match::Contains, u"Execute", ValueKind::Text, false},
    LayoutRow{u"_NumAP", Match::Contains, u"NumAP", ValueKind::Number, false},
    LayoutRow{u"_AP", Match::Contains, u"AP", ValueKind::Text, true},
    LayoutRow{u"_Title", Match::Contains, u"ProgName", ValueKind::Text, true},
};

template <size_t N>
const LayoutRow* FindRow(const std::array<LayoutRow, N>& rows, std::u16string_view key) {
  for (const auto& row : rows) {
    const bool hit = row.match == Match::Exact ? key == row.profileKey : Contains(key, row.profileKey);
    if (hit) return &row;
  }
  return nullptr;
}

void Apply(const LayoutRow* row, std::u16string_view key, StoreLocation& loc) {
  if (row == nullptr) return;
  loc.value = row->value;
  loc.kind = row->kind;
  if (row->appendLastChar && !key.empty()) loc.value.push_back(key.back());
}

}  // namespace

StoreLocation MapProfileKey(std::u16string_view section, std::u16string_view key) {
  StoreLocation loc;
  const std::u16string root(kProductKey);
  if (section == u"VARDENZEB") {
    loc.mapped = true;
    loc.key = root;
    loc.kind = ValueKind::Number;  // every value of the root is a number
    Apply(FindRow(kMainRows, key), key, loc);
  } else if (section == u"ONSCREEN") {
    loc.mapped = true;
    loc.key = root + u"\\OnScreen";
    loc.kind = ValueKind::Number;
    Apply(FindRow(kOnScreenRows, key), key, loc);
  } else if (Contains(section, u"User") || Contains(section, u"USER")) {
    loc.mapped = true;
    loc.key = root + u"\\Setting\\Set" + std::u16string(section.substr(section.size() < 4 ? section.size() : 4));
    if (key == u"UserName") {
      loc.value = u"SetName";
    } else if (Contains(key, u"Btn")) {
      loc.key += u"\\AppKey";
      if (key.size() > 3) loc.key.push_back(key[3]);
      Apply(FindRow(kButtonRows, key), key, loc);
    }
  }
  return loc;
}

}  // namespace tapstart
