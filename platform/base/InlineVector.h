#pragma once
// TInlineVector<T, N>: a vector of trivially copyable elements that keeps its first N
// elements inside itself and goes to the heap only beyond them. Small values made and
// dropped by the thousand (a one-rectangle region, a few spans) then cost no allocation.

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <initializer_list>
#include <new>
#include <type_traits>

template <class T, std::size_t N>
class TInlineVector {
  static_assert(std::is_trivially_copyable_v<T> && N > 0);

 public:
  TInlineVector() = default;
  TInlineVector(std::initializer_list<T> AItems) { Assign(AItems.begin(), AItems.size()); }
  TInlineVector(const TInlineVector& AOther) { Assign(AOther.data(), AOther.FSize); }
  TInlineVector(TInlineVector&& AOther) noexcept { TakeFrom(AOther); }
  ~TInlineVector() { FreeHeap(); }

  TInlineVector& operator=(const TInlineVector& AOther) {
    if (this != &AOther) {
      FSize = 0;
      Assign(AOther.data(), AOther.FSize);
    }
    return *this;
  }
  TInlineVector& operator=(TInlineVector&& AOther) noexcept {
    if (this != &AOther) {
      FreeHeap();
      TakeFrom(AOther);
    }
    return *this;
  }
  TInlineVector& operator=(std::initializer_list<T> AItems) {
    FSize = 0;
    Assign(AItems.begin(), AItems.size());
    return *this;
  }

  T* data() { return FHeap ? FHeap : Inline(); }
  const T* data() const { return FHeap ? FHeap : Inline(); }
  std::size_t size() const { return FSize; }
  bool empty() const { return FSize == 0; }

  T* begin() { return data(); }
  T* end() { return data() + FSize; }
  const T* begin() const { return data(); }
  const T* end() const { return data() + FSize; }

  T& operator[](std::size_t AIndex) { return data()[AIndex]; }
  const T& operator[](std::size_t AIndex) const { return data()[AIndex]; }
  T& front() { return data()[0]; }
  const T& front() const { return data()[0]; }
  T& back() { return data()[FSize - 1]; }
  const T& back() const { return data()[FSize - 1]; }

  void push_back(const T& AItem) {
    if (FSize == FCapacity) {
      const T Copy = AItem;  // AItem may lie in the storage that is about to move
      Grow(FSize + 1);
      data()[FSize++] = Copy;
      return;
    }
    data()[FSize++] = AItem;
  }
  void pop_back() { --FSize; }
  void reserve(std::size_t ACapacity) {
    if (ACapacity > FCapacity) Grow(ACapacity);
  }
  // Shrinks, or grows with value-initialised elements.
  void resize(std::size_t ASize) {
    reserve(ASize);
    if (ASize > FSize) std::fill(data() + FSize, data() + ASize, T());
    FSize = ASize;
  }

  friend bool operator==(const TInlineVector& A, const TInlineVector& B) {
    return std::equal(A.begin(), A.end(), B.begin(), B.end());
  }

 private:
  T* Inline() { return std::launder(reinterpret_cast<T*>(FInline)); }
  const T* Inline() const { return std::launder(reinterpret_cast<const T*>(FInline)); }

  void Assign(const T* AItems, std::size_t ACount) {
    reserve(ACount);
    if (ACount) std::memcpy(data(), AItems, ACount * sizeof(T));
    FSize = ACount;
  }

  void Grow(std::size_t ANeeded) {
    const std::size_t Capacity = std::max(ANeeded, FCapacity * 2);
    T* Heap = static_cast<T*>(::operator new(Capacity * sizeof(T)));
    if (FSize) std::memcpy(Heap, data(), FSize * sizeof(T));
    FreeHeap();
    FHeap = Heap;
    FCapacity = Capacity;
  }

  void FreeHeap() {
    ::operator delete(FHeap);
    FHeap = nullptr;
    FCapacity = N;
  }

  // Takes AOther's heap block, or copies its inline elements; AOther is left empty.
  void TakeFrom(TInlineVector& AOther) {
    FSize = AOther.FSize;
    if (AOther.FHeap) {
      FHeap = AOther.FHeap;
      FCapacity = AOther.FCapacity;
      AOther.FHeap = nullptr;
      AOther.FCapacity = N;
    } else if (FSize) {
      std::memcpy(Inline(), AOther.Inline(), FSize * sizeof(T));
    }
    AOther.FSize = 0;
  }

  T* FHeap = nullptr;
  std::size_t FSize = 0;
  std::size_t FCapacity = N;
  alignas(T) unsigned char FInline[N * sizeof(T)];
};
