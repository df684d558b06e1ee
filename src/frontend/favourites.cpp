#include "frontend/favourites.h"

namespace quillor {

bool Favourites::AddFavItem(const std::string& file, const std::string& name, int target) {
  if (count_ >= kFavouriteSlots - 1) return false;
  for (FavouriteSlot& slot : slots_) {
    if (slot.visible) continue;
    slot = {name, file, target, true};
    ++count_;
    deleteVisible_ = true;
    separatorVisible_ = true;
    return true;
  }
  return false;
}

void Favourites::Delete(const std::vector<int>& indices) {
  for (const int index : indices) {
    if (index < 0 || index >= kFavouriteSlots || !slots_[index].visible) continue;
    slots_[index].visible = false;
    --count_;
  }
  deleteVisible_ = count_ >= 0;
}

std::vector<int> Favourites::VisibleSlots() const {
  std::vector<int> visible;
  for (int i = 0; i < kFavouriteSlots; ++i)
    if (slots_[i].visible) visible.push_back(i);
  return visible;
}

std::vector<FavouriteEntry> Favourites::Entries() const {
  std::vector<FavouriteEntry> entries;
  for (const int i : VisibleSlots()) entries.push_back({slots_[i].file, slots_[i].name, slots_[i].target});
  return entries;
}

}  // namespace quillor
