// Which of the main window's three tabs a machine keeps, and which page a tab index shows.
#pragma once

namespace tapstart {

// The main window's pages, as its operations name them.
enum PageIndex : int { kNoPage = -1, kDesktopPage = 0, kNotebookPage = 1, kOnScreenPage = 2 };

class TabLayout {
 public:
  // The four layouts the keyboard type allows; the numbers are the ones the pages were first written against.
  enum Kind : int { kAllTabs = -1, kNoDesktopTab = 0, kNoNotebookTab = 1, kOnScreenOnly = -2 };

  constexpr TabLayout() = default;
  constexpr explicit TabLayout(Kind kind) : kind_(kind) {}
  constexpr Kind kind() const { return kind_; }

  // Whether the page's tab is there.
  constexpr bool Has(PageIndex page) const {
    switch (kind_) {
      case kNoDesktopTab:
        return page != kDesktopPage;
      case kNoNotebookTab:
        return page != kNotebookPage;
      case kOnScreenOnly:
        return page == kOnScreenPage;
      default:
        return true;
    }
  }
  // Both button tabs are there.
  constexpr bool HasBothButtonTabs() const { return Has(kDesktopPage) && Has(kNotebookPage); }

  // The page a tab index shows: the remaining tabs keep their order.
  constexpr PageIndex PageAt(int tab) const {
    int seen = -1;
    for (PageIndex page : {kDesktopPage, kNotebookPage, kOnScreenPage})
      if (Has(page) && ++seen == tab) return page;
    return kNoPage;
  }

  // The tab index of a page; -1 when its tab was removed.
  constexpr int TabOf(PageIndex page) const {
    if (!Has(page)) return -1;
    int tab = 0;
    for (PageIndex before = kDesktopPage; before < page; before = static_cast<PageIndex>(before + 1))
      if (Has(before)) ++tab;
    return tab;
  }

  constexpr bool operator==(const TabLayout&) const = default;

 private:
  Kind kind_ = kAllTabs;
};

}  // namespace tapstart
