#include <gtest/gtest.h>

#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/ui/Collection.h"

namespace {

class TColumn : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;

  int Width() const { return FWidth; }
  void SetWidth(int AValue) {
    if (FWidth == AValue) return;
    FWidth = AValue;
    Changed(false);
  }
  String GetDisplayName() const override { return Format("Column %d", FWidth); }
  void Assign(const TPersistent& ASource) override {
    if (auto* Source = dynamic_cast<const TColumn*>(&ASource)) return SetWidth(Source->FWidth);
    TCollectionItem::Assign(ASource);
  }

 private:
  int FWidth = 64;
};

// Records its Update notices: the item's width, or -1 for the whole collection.
class TColumns : public TCollection {
 public:
  TColumns() : TCollection(ItemClass<TColumn>()) {}
  TColumn* Column(int AIndex) const { return static_cast<TColumn*>(Items(AIndex)); }
  std::vector<int> Updates;

 protected:
  void Update(TCollectionItem* AItem) override {
    Updates.push_back(AItem ? static_cast<TColumn*>(AItem)->Width() : -1);
  }
};

std::vector<int> Widths(const TColumns& AColumns) {
  std::vector<int> Result;
  for (int I = 0; I < AColumns.Count(); ++I) Result.push_back(AColumns.Column(I)->Width());
  return Result;
}

}  // namespace

TEST(TCollection, AddInsertDeleteAndMoveKeepTheOrderAndTellTheCollection) {
  TColumns Columns;
  static_cast<TColumn*>(Columns.Add())->SetWidth(1);
  static_cast<TColumn*>(Columns.Add())->SetWidth(2);
  auto* Inserted = static_cast<TColumn*>(Columns.Insert(0));
  Inserted->SetWidth(3);
  EXPECT_EQ(Widths(Columns), (std::vector<int>{3, 1, 2}));
  EXPECT_EQ(Inserted->Index(), 0);
  EXPECT_EQ(Inserted->GetDisplayName(), "Column 3");
  // Every addition tells the collection as a whole, every change of an item names it.
  EXPECT_EQ(Columns.Updates, (std::vector<int>{-1, 1, -1, 2, -1, -1, 3}));
  Inserted->SetIndex(5);
  EXPECT_EQ(Widths(Columns), (std::vector<int>{1, 2, 3}));
  Columns.Delete(0);
  EXPECT_EQ(Widths(Columns), (std::vector<int>{2, 3}));
  EXPECT_THROW(Columns.Delete(2), EListError);
  EXPECT_EQ(Columns.FindItemID(Inserted->ID()), Inserted);
  delete Inserted;
  EXPECT_EQ(Widths(Columns), (std::vector<int>{2}));
}

TEST(TCollection, UpdatesWaitForTheLastEndUpdate) {
  TColumns Columns;
  Columns.BeginUpdate();
  Columns.BeginUpdate();
  Columns.Add();
  static_cast<TColumn*>(Columns.Add())->SetWidth(9);
  Columns.EndUpdate();
  EXPECT_TRUE(Columns.Updates.empty());
  Columns.EndUpdate();
  EXPECT_EQ(Columns.Updates, (std::vector<int>{-1}));
  Columns.Clear();
  EXPECT_EQ(Columns.Count(), 0);
  EXPECT_EQ(Columns.Updates, (std::vector<int>{-1, -1}));
}

TEST(TCollection, AssignCopiesEveryItemAndRefusesOtherClasses) {
  TColumns Source;
  static_cast<TColumn*>(Source.Add())->SetWidth(10);
  static_cast<TColumn*>(Source.Add())->SetWidth(20);
  TColumns Dest;
  Dest.Add();
  Dest.Add();
  Dest.Add();
  Dest.Updates.clear();
  Dest.Assign(Source);
  EXPECT_EQ(Widths(Dest), (std::vector<int>{10, 20}));
  EXPECT_EQ(Dest.Updates, (std::vector<int>{-1}));
  TColumn Loose(nullptr);
  EXPECT_EQ(Loose.Index(), -1);
  EXPECT_THROW(Dest.Assign(Loose), EConvertError);
}
