#include "platform/host_binding.h"

#include "platform/dynamic_library.h"

namespace quillon::platform {

HostBinding::HostBinding(const char* library_name, std::vector<const char*> names)
    : library_name_(library_name), names_(std::move(names)), slots_(names_.size()) {}

void* HostBinding::Library() {
  std::call_once(library_once_, [this] { library_ = LoadSharedLibrary(library_name_); });
  return library_;
}

void* HostBinding::Function(size_t index) {
  if (index >= slots_.size()) return nullptr;
  Slot& slot = slots_[index];
  std::call_once(slot.once, [&] { slot.address.store(FindLibrarySymbol(Library(), names_[index])); });
  return slot.address.load();
}

}  // namespace quillon::platform
