// The favourites menu's ten slots: each a name, a file and what to do with
// it. A hidden slot is free; adding takes the first free one, so a new
// favourite may stand above older ones. The window draws its menu from here.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "frontend/settings_record.h"

namespace quillor {

// What a favourite does with its file.
inline constexpr int kFavAutostart = 0;
inline constexpr int kFavCassette = 1;
inline constexpr int kFavDisk0 = 2;  // 2-5: drives 0-3

struct FavouriteSlot {
  std::string name;  // the menu caption
  std::string file;
  int target = 0;
  bool visible = false;
};

class Favourites {
 public:
  // False (and nothing changes) when all ten slots are taken.
  bool AddFavItem(const std::string& file, const std::string& name, int target);
  // Hides the given slots (indices 0-9).
  void Delete(const std::vector<int>& slots);

  const FavouriteSlot& Slot(int index) const { return slots_[index]; }
  // The favourites minus one: -1 for none, 9 for ten.
  int Count() const { return count_; }
  bool AddItemVisible() const { return count_ < kFavouriteSlots - 1; }
  bool DeleteItemVisible() const { return deleteVisible_; }
  // Appears with the first favourite and stays.
  bool SeparatorVisible() const { return separatorVisible_; }
  // The visible slots in menu order.
  std::vector<int> VisibleSlots() const;
  // What the settings store: the visible favourites in menu order.
  std::vector<FavouriteEntry> Entries() const;

 private:
  std::array<FavouriteSlot, kFavouriteSlots> slots_{};
  int count_ = -1;
  bool deleteVisible_ = false;
  bool separatorVisible_ = false;
};

}  // namespace quillor
