#pragma once
// The menu bar as data: every menu and item with its caption, visibility, check mark and shortcut,
// in the order the front end builds them. Items that share a name form an array told apart by index.
// Hidden items exist in the window and can be triggered, but are neither shown nor reached by their
// shortcut keys.

#include <string>
#include <vector>

namespace orrin {

struct MenuItem {
    std::string Name;  // e.g. "mnuBasicOption"
    int Index = -1;    // position in its item array, -1 for an item that is not part of one
    std::string Caption;
    std::string Parent;  // name of the top-level menu holding the item; empty for a top-level menu
    bool Visible = true;
    bool Checked = false;
    std::string Shortcut;  // "F1", "F3" or empty
};

class MenuModel {
  public:
    // The window's menus as they are at start-up, before any check mark is set.
    MenuModel();

    const std::vector<MenuItem>& Items() const { return items_; }
    // The item with this name and index, or nullptr.
    MenuItem* Find(const std::string& name, int index = -1);
    const MenuItem* Find(const std::string& name, int index = -1) const;
    // Sets a mark; an item that does not exist is left alone, as a gap in an item array is.
    void SetChecked(const std::string& name, int index, bool checked);
    bool IsChecked(const std::string& name, int index = -1) const;

  private:
    std::vector<MenuItem> items_;
};

// Runs what choosing the item does (a solid, a draw style or a command). Top-level menus do nothing.
void ClickMenuItem(const MenuItem& item);

}  // namespace orrin
