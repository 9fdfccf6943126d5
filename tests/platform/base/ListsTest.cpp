#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/base/Exceptions.h"
#include "platform/base/Lists.h"

namespace {

void ExpectIndexError(const std::function<void()>& AAction, const char* AMessage) {
  try {
    AAction();
    ADD_FAILURE() << "no EListError";
  } catch (const EListError& E) {
    EXPECT_EQ(AMessage, E.Message());
  }
}

// Records in a shared log when it is freed.
struct TTracked {
  TTracked(std::string AName, std::string& ALog) : Name(std::move(AName)), Log(ALog) {}
  ~TTracked() { Log += Name; }
  std::string Name;
  std::string& Log;
};

}  // namespace

TEST(TList, KeepsPointersInOrder) {
  int A = 0, B = 0, C = 0;
  TList List;
  EXPECT_EQ(0, List.Add(&A));
  EXPECT_EQ(1, List.Add(&C));
  List.Insert(1, &B);
  List.Insert(3, &A);  // appending at Count() is allowed
  EXPECT_EQ(4, List.Count());
  EXPECT_EQ(&B, List.Items(1));
  EXPECT_EQ(0, List.IndexOf(&A));
  EXPECT_EQ(0, List.Remove(&A));
  EXPECT_EQ(2, List.IndexOf(&A));  // the second occurrence is left
  EXPECT_EQ(-1, List.Remove(nullptr));
  List.SetItems(0, &C);
  List.Delete(1);
  EXPECT_EQ(&C, List.Items(0));
  EXPECT_EQ(&A, List.Items(1));
}

TEST(TList, RaisesForIndexesOutsideTheList) {
  TList List;
  int A = 0;
  List.Add(&A);
  ExpectIndexError([&] { List.Items(1); }, "List index out of bounds (1)");
  ExpectIndexError([&] { List.Items(-1); }, "List index out of bounds (-1)");
  ExpectIndexError([&] { List.Delete(5); }, "List index out of bounds (5)");
  ExpectIndexError([&] { List.Insert(2, &A); }, "List index out of bounds (2)");
  ExpectIndexError([&] { List.SetItems(1, &A); }, "List index out of bounds (1)");
}

TEST(TObjectList, FreesWhatItDeletesAndHandsBackWhatItExtracts) {
  std::string Log;
  {
    TObjectList<TTracked> List;
    List.Add(std::make_unique<TTracked>("a", Log));
    TTracked* B = List.Items(List.Add(std::make_unique<TTracked>("b", Log)));
    List.Insert(0, std::make_unique<TTracked>("c", Log));
    List.Add(std::make_unique<TTracked>("d", Log));
    EXPECT_EQ(1, List.IndexOf(List.Items(1)));

    List.Delete(0);
    EXPECT_EQ("c", Log);
    std::unique_ptr<TTracked> Extracted = List.Extract(B);
    EXPECT_EQ(B, Extracted.get());
    EXPECT_EQ(-1, List.IndexOf(B));
    EXPECT_EQ(nullptr, List.Extract(B));
    EXPECT_EQ(-1, List.Remove(B));
    EXPECT_EQ("c", Log);
    Extracted.reset();
    EXPECT_EQ("cb", Log);
    ExpectIndexError([&] { List.Items(2); }, "List index out of bounds (2)");
    EXPECT_EQ(2, List.Count());
  }
  // The list frees the rest when it goes, the last object first.
  EXPECT_EQ("cbda", Log);
}

TEST(TObjectList, RemoveFreesAndClearEmpties) {
  std::string Log;
  TObjectList<TTracked> List;
  TTracked* A = List.Items(List.Add(std::make_unique<TTracked>("a", Log)));
  List.Add(std::make_unique<TTracked>("b", Log));
  EXPECT_EQ(0, List.Remove(A));
  EXPECT_EQ("a", Log);
  List.Clear();
  EXPECT_EQ("ab", Log);
  EXPECT_EQ(0, List.Count());
}
