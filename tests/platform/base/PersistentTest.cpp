#include <gtest/gtest.h>

#include "platform/base/Exceptions.h"
#include "platform/base/Persistent.h"

namespace {

// A point that copies from its own kind.
class TPointValue : public TPersistent {
 public:
  int X = 0;
  void Assign(const TPersistent& ASource) override {
    if (auto* Source = dynamic_cast<const TPointValue*>(&ASource)) {
      X = Source->X;
      return;
    }
    TPersistent::Assign(ASource);
  }
};

// Knows how to copy itself into a TPointValue, though TPointValue does not know it.
class TScaledValue : public TPersistent {
 public:
  int Value = 0;

 protected:
  void AssignTo(TPersistent& ADest) const override {
    if (auto* Dest = dynamic_cast<TPointValue*>(&ADest)) {
      Dest->X = Value * 10;
      return;
    }
    TPersistent::AssignTo(ADest);
  }
};

}  // namespace

TEST(TPersistent, AssignCopiesKnownClassesAskingTheSourceSecond) {
  TPointValue Source;
  Source.X = 7;
  TPointValue Dest;
  Dest.Assign(Source);
  EXPECT_EQ(Dest.X, 7);
  TScaledValue Scaled;
  Scaled.Value = 3;
  Dest.Assign(Scaled);
  EXPECT_EQ(Dest.X, 30);
}

TEST(TPersistent, AssignBetweenUnrelatedClassesRaisesWithBothNames) {
  TPointValue Point;
  TScaledValue Scaled;
  try {
    Scaled.Assign(Point);
    FAIL() << "no exception";
  } catch (const EConvertError& E) {
    EXPECT_EQ(E.Message(),
              "Cannot assign a (anonymous namespace)::TPointValue to a (anonymous namespace)::TScaledValue");
  }
}
