#pragma once
// SkinChangeFollower: how a control outside the skinned-control bases follows the skin
// changes of its form. The edits and the memo of the edit library stand on the class
// library's edit, not on the bases, and this library does not know them: they take
// this interface beside their base, and the form's skin-change walk asks every control
// whether it has it. One bound to the changing skin is told as the bases are: first to
// forget its element, then, once the skin is whole again, to read it.
//
// User-interface thread only.

class TspSkinData;

class TspSkinChangeFollower {
 public:
  virtual ~TspSkinChangeFollower() = default;

  // The skin the control is bound to; nullptr for none.
  virtual TspSkinData* SkinData() const = 0;
  // The skin is about to change: what the control keeps of its element is stale.
  virtual void BeforeChangeSkinData() = 0;
  // The skin changed: the control looks its element up again and repaints.
  virtual void ChangeSkinData() = 0;
};
