// The round buttons' window texts, which screen readers read as their names.
#include <gtest/gtest.h>

#include "mainwnd/ButtonAccessName.h"
#include "store/Text.h"

namespace tapstart {
namespace {

TEST(ButtonAccessNameTest, LabelAndNameJoinedByTheLanguagesFormat) {
  struct Case {
    const char* format;
    const char* label;
    const char* name;
    const char* expected;
  };
  const Case cases[] = {
      {"%1: %2", "Button 1", "Notepad", "Button 1: Notepad"},
      {"%1：%2", "ボタン2", "メモ帳", "ボタン2：メモ帳"},
      {"%1: %2", "Fn + 1", "Mail", "Fn + 1: Mail"},
      {"%2 (%1)", "MAIL", "Mailer", "Mailer (MAIL)"},  // a language may name the button first
      {"%1: %2", "Button 3", "", "Button 3"},          // no name: the label alone, no separator
      {"%1: %2", "", "", ""},
      // The label as its static shows it: access-key marks go, a doubled one is one "&".
      {"%1: %2", "&Mail", "x", "Mail: x"},
      {"%1: %2", "Tom&&Jerry", "x", "Tom&&Jerry: x"},
      {"%1: %2", "Key&", "x", "Key: x"},
      // Every "&" of the result is doubled, so the button has no access key and reads as it stands.
      {"%1: %2", "Button 1", "Tom & Jerry", "Button 1: Tom && Jerry"},
      // Marks in the name are the user's text, not the format's.
      {"%1: %2", "Button 1", "%1 and %2", "Button 1: %1 and %2"},
      // A format that lost a mark still keeps both parts.
      {"%1", "Button 1", "Notepad", "Button 1 Notepad"},
      {"", "Button 1", "Notepad", "Button 1 Notepad"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ToUtf8(RoundButtonAccessName(FromUtf8(c.format), FromUtf8(c.label), FromUtf8(c.name))), c.expected)
        << c.format << " | " << c.label << " | " << c.name;
  }
}

}  // namespace
}  // namespace tapstart
