#pragma once

#include <windows.h>

#include <utility>

// A GDI region that is deleted when the owner goes away.
class DeletingRegion {
 public:
  explicit DeletingRegion(HRGN region) : region_(region) {}
  DeletingRegion(DeletingRegion&& other) noexcept : region_(std::exchange(other.region_, nullptr)) {}
  DeletingRegion& operator=(DeletingRegion&& other) noexcept {
    std::swap(region_, other.region_);
    return *this;
  }
  DeletingRegion(const DeletingRegion&) = delete;
  DeletingRegion& operator=(const DeletingRegion&) = delete;
  ~DeletingRegion() {
    if (region_ != nullptr) DeleteObject(region_);
  }

  HRGN get() const { return region_; }

 private:
  HRGN region_;
};
