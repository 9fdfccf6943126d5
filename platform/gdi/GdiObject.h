#pragma once
// Drawing objects are reached through handles, as in the window system the program was
// designed on: a handle is a pointer to one of our objects, each of one object type.
// DeleteObject frees an object; an object selected into a device context is not freed
// until it is deselected.

#include <atomic>
#include <cstdint>

enum TGdiObjectType {
  OBJ_PEN = 1,
  OBJ_BRUSH = 2,
  OBJ_DC = 3,
  OBJ_FONT = 6,
  OBJ_BITMAP = 7,
  OBJ_REGION = 8,
  OBJ_MEMDC = 10,
};

class TGdiObject {
 public:
  virtual ~TGdiObject() = default;
  virtual TGdiObjectType ObjectType() const = 0;

 private:
  // How device contexts use the object, kept with it so that selecting and deselecting
  // looks nothing up: the count of uses and the stock and delete-pending marks in one
  // word, changed together atomically by the drawing layer's use counting.
  friend class TGdiObjectUse;
  std::atomic<std::uint32_t> FUse{0};
};

using HGDIOBJ = TGdiObject*;
