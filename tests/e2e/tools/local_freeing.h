#pragma once

#include <windows.h>

#include <utility>

// Memory that the system allocated with LocalAlloc for the caller, freed with LocalFree.
template <typename T>
class LocalFreeing {
 public:
  explicit LocalFreeing(T* memory) : memory_(memory) {}
  LocalFreeing(LocalFreeing&& other) noexcept : memory_(std::exchange(other.memory_, nullptr)) {}
  LocalFreeing& operator=(LocalFreeing&& other) noexcept {
    std::swap(memory_, other.memory_);
    return *this;
  }
  LocalFreeing(const LocalFreeing&) = delete;
  LocalFreeing& operator=(const LocalFreeing&) = delete;
  ~LocalFreeing() {
    if (memory_ != nullptr) LocalFree(memory_);
  }

  T* get() const { return memory_; }

 private:
  T* memory_;
};
