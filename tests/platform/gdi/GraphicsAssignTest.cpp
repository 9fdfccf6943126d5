// The graphics classes take part in the class library's copying protocol: each copies
// from its own kind, graphics from any graphic, and other sources are refused.

#include <gtest/gtest.h>

#include "platform/base/Exceptions.h"
#include "platform/gdi/Graphics.h"

TEST(GraphicsAssign, FontsPensAndBrushesCopyTheirOwnKindThroughTPersistent) {
  TFont Font;
  Font.SetName("DejaVu Serif");
  Font.SetStyle({fsBold});
  TFont Copy;
  const TPersistent& AsPersistent = Font;
  Copy.Assign(AsPersistent);
  EXPECT_EQ(Copy.Name(), "DejaVu Serif");
  EXPECT_TRUE(Copy.Style().Contains(fsBold));
  TPen Pen;
  EXPECT_THROW(Pen.Assign(Font), EConvertError);
  TBrush Brush;
  EXPECT_THROW(Brush.Assign(Pen), EConvertError);
}

TEST(GraphicsAssign, PicturesTakeGraphicsAndPicturesButNotFonts) {
  TBitmap Bitmap;
  Bitmap.SetSize(3, 2);
  TPicture Picture;
  Picture.Assign(Bitmap);
  EXPECT_EQ(Picture.Width(), 3);
  TPicture Other;
  Other.Assign(Picture);
  EXPECT_EQ(Other.Height(), 2);
  TFont Font;
  EXPECT_THROW(Other.Assign(Font), EConvertError);
  TPngImage Png;
  EXPECT_THROW(Png.Assign(Font), EConvertError);
}
