// The class library's graphics classes, checked pixel by pixel in off-screen bitmaps.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <future>
#include <thread>
#include <vector>

#include "platform/gdi/Graphics.h"
#include "platform/gdi/Text.h"
#include "tests/support/TestSupport.h"

namespace {

using namespace testing_support;

constexpr TColor kRed = clRed;
constexpr TColor kGreen = clLime;
constexpr TColor kBlue = clBlue;

// The pixel at (AX, AY) as stored: 0xAARRGGBB (alpha 0xFF for a 24-bit bitmap).
uint32_t StoredPixel(TBitmap& ABitmap, int AX, int AY) {
  const uint8_t* P = ABitmap.ScanLine(AY) + AX * (ABitmap.PixelFormat() == pf24bit ? 3 : 4);
  const uint32_t Alpha = ABitmap.PixelFormat() == pf24bit ? 0xFF : P[3];
  return Alpha << 24 | uint32_t(P[2]) << 16 | uint32_t(P[1]) << 8 | P[0];
}

void SetStoredPixel(TBitmap& ABitmap, int AX, int AY, uint32_t AValue) {
  uint8_t* P = ABitmap.ScanLine(AY) + AX * 4;
  for (int I = 0; I < 4; ++I) P[I] = uint8_t(AValue >> (8 * I));
}

// A bitmap filled with one colour by its canvas (so alpha 0, as GDI leaves it).
std::unique_ptr<TBitmap> FilledBitmap(int AWidth, int AHeight, TColor AColor,
                                      TPixelFormat AFormat = pf32bit) {
  auto Bitmap = std::make_unique<TBitmap>();
  Bitmap->SetPixelFormat(AFormat);
  Bitmap->SetSize(AWidth, AHeight);
  Bitmap->Canvas().Brush().SetColor(AColor);
  Bitmap->Canvas().FillRect(Rect(0, 0, AWidth, AHeight));
  return Bitmap;
}

// Which columns of row AY have colour AColor, as a string of '#' and '.'.
std::string RowMask(TBitmap& ABitmap, int AY, TColor AColor) {
  std::string Mask;
  for (int X = 0; X < ABitmap.Width(); ++X) Mask += ABitmap.Canvas().Pixels(X, AY) == AColor ? '#' : '.';
  return Mask;
}

// ---------------------------------------------------------------- TBitmap

TEST(BitmapTest, SizeScanLinesAndPixelFormat) {
  TBitmap Bitmap;
  EXPECT_TRUE(Bitmap.Empty());
  EXPECT_EQ(Bitmap.Handle(), nullptr);
  EXPECT_EQ(Bitmap.PixelFormat(), pfDevice);
  EXPECT_EQ(Bitmap.HandleType(), bmDIB);
  EXPECT_THROW(Bitmap.ScanLine(0), EInvalidGraphic);

  Bitmap.SetSize(5, 3);
  ASSERT_EQ(Bitmap.Width(), 5);
  ASSERT_EQ(Bitmap.Height(), 3);
  EXPECT_NE(Bitmap.Handle(), nullptr);
  EXPECT_EQ(Bitmap.ScanLine(1) - Bitmap.ScanLine(0), 20);  // top-down, 4 bytes a pixel
  EXPECT_EQ(StoredPixel(Bitmap, 4, 2), 0x00FFFFFFu);       // new pixels are white
  EXPECT_THROW(Bitmap.ScanLine(3), EInvalidGraphic);

  // The scan lines and the canvas share the pixels.
  SetStoredPixel(Bitmap, 1, 2, 0x80123456);
  EXPECT_EQ(Bitmap.Canvas().Pixels(1, 2), TColor(RGB(0x12, 0x34, 0x56)));
  Bitmap.Canvas().SetPixels(3, 0, kRed);
  EXPECT_EQ(StoredPixel(Bitmap, 3, 0), 0x00FF0000u);

  // Growing keeps what both sizes share.
  Bitmap.SetSize(7, 4);
  EXPECT_EQ(StoredPixel(Bitmap, 1, 2), 0x80123456u);
  EXPECT_EQ(StoredPixel(Bitmap, 6, 3), 0x00FFFFFFu);

  // 24 bits: rows of 7 × 3 bytes padded to 24; narrowing drops alpha, widening gives 255.
  Bitmap.SetPixelFormat(pf24bit);
  EXPECT_EQ(Bitmap.ScanLine(1) - Bitmap.ScanLine(0), 24);
  EXPECT_EQ(StoredPixel(Bitmap, 1, 2), 0xFF123456u);
  Bitmap.SetPixelFormat(pf32bit);
  EXPECT_EQ(StoredPixel(Bitmap, 1, 2), 0xFF123456u);
  EXPECT_THROW(Bitmap.SetPixelFormat(pf4bit), EInvalidGraphic);

  Bitmap.SetSize(0, 4);
  EXPECT_TRUE(Bitmap.Empty());
  EXPECT_EQ(Bitmap.Handle(), nullptr);
  EXPECT_THROW(Bitmap.SetSize(100000, 100000), EOutOfMemory);
}

// A new bitmap's memory is not cleared before it is made white, so memory just freed by
// another bitmap of its size must not show through: in the alpha bytes of 32 bits or
// in the padding that ends each row of 24.
TEST(BitmapTest, NewPixelsAreWhiteOverReusedMemory) {
  struct Case {
    TPixelFormat Format;
    int PixelBytes, RowBytes;  // 7 pixels a row; 24 bits: 21 bytes padded to 24
  };
  for (const Case& C : {Case{pf32bit, 4, 28}, Case{pf24bit, 3, 24}}) {
    SCOPED_TRACE(C.PixelBytes);
    std::vector<uint8_t> Expected(C.RowBytes, 0);
    for (int X = 0; X < 7; ++X) std::fill_n(Expected.begin() + X * C.PixelBytes, 3, uint8_t{0xFF});
    for (int Round = 0; Round < 2; ++Round) {
      TBitmap Bitmap;
      Bitmap.SetPixelFormat(C.Format);
      Bitmap.SetSize(7, 3);
      for (int Y = 0; Y < 3; ++Y) {
        const uint8_t* Row = Bitmap.ScanLine(Y);
        EXPECT_EQ(Expected, std::vector<uint8_t>(Row, Row + C.RowBytes))
            << "row " << Y << ", round " << Round;
        // Leaves its memory dirty for the next round's bitmap.
        std::fill_n(Bitmap.ScanLine(Y), C.RowBytes, uint8_t{0xAB});
      }
    }
  }
}

TEST(BitmapTest, SizingBlackLeavesEveryPixelZeroWhateverTheBitmapHeld) {
  for (const TPixelFormat Format : {pf32bit, pf24bit}) {
    SCOPED_TRACE(int(Format));
    const std::unique_ptr<TBitmap> Bitmap = FilledBitmap(6, 3, kRed, Format);
    // The same size clears in place, a new size makes new pixels, 0 empties.
    for (const TSize Size : {TSize{6, 3}, TSize{9, 4}, TSize{0, 4}}) {
      Bitmap->SetSizeBlack(Size.cx, Size.cy);
      ASSERT_EQ(Size.cx, Bitmap->Width());
      ASSERT_EQ(Size.cx == 0 ? 0 : Size.cy, Bitmap->Height());
      for (int Y = 0; Y < Bitmap->Height(); ++Y)
        for (int X = 0; X < Bitmap->Width(); ++X)
          ASSERT_EQ(Format == pf24bit ? 0xFF000000u : 0u, StoredPixel(*Bitmap, X, Y)) << X << "," << Y;
      if (!Bitmap->Empty()) Bitmap->Canvas().SetPixels(1, 1, kRed);
    }
  }
}

TEST(BitmapTest, AssignMakesAnIndependentCopy) {
  auto Source = FilledBitmap(4, 2, kBlue);
  SetStoredPixel(*Source, 0, 0, 0x7F00FF00);
  Source->SetTransparent(true);
  Source->SetTransparentColor(kRed);

  TBitmap Copy;
  Copy.Assign(*Source);
  EXPECT_EQ(Copy.Width(), 4);
  EXPECT_EQ(Copy.PixelFormat(), pf32bit);
  EXPECT_TRUE(Copy.Transparent());
  EXPECT_EQ(Copy.TransparentMode(), tmFixed);
  EXPECT_EQ(Copy.TransparentColor(), kRed);
  EXPECT_EQ(StoredPixel(Copy, 0, 0), 0x7F00FF00u);
  EXPECT_NE(Copy.Handle(), Source->Handle());

  Copy.Canvas().SetPixels(1, 1, kGreen);
  EXPECT_EQ(Source->Canvas().Pixels(1, 1), kBlue);
  EXPECT_EQ(Copy.Canvas().Pixels(1, 1), kGreen);
}

TEST(BitmapTest, SavedBmpLoadsBackAt24And32Bits) {
  TempDir Dir;
  for (TPixelFormat Format : {pf24bit, pf32bit}) {
    SCOPED_TRACE(Format);
    auto Source = FilledBitmap(6, 5, kGreen, Format);
    Source->Canvas().SetPixels(2, 3, kRed);
    if (Format == pf32bit) SetStoredPixel(*Source, 5, 0, 0x40FFEEDD);

    TMemoryStream Stream;
    Source->SaveToStream(Stream);
    EXPECT_EQ(Stream.Size(), 54 + 5 * (Format == pf24bit ? 20 : 24));
    Stream.SetPosition(0);
    TBitmap Loaded;
    Loaded.LoadFromStream(Stream);
    EXPECT_EQ(Loaded.PixelFormat(), Format);
    ASSERT_EQ(Loaded.Width(), 6);
    for (int Y = 0; Y < 5; ++Y)
      for (int X = 0; X < 6; ++X)
        EXPECT_EQ(StoredPixel(Loaded, X, Y), StoredPixel(*Source, X, Y)) << X << "," << Y;

    // The file is a BMP that FFmpeg reads.
    const std::string FileName = Dir.File(Format == pf24bit ? "24.bmp" : "32.bmp");
    Source->SaveToFile(FileName);
    const CommandResult Probe =
        RunCommand("ffprobe -v error -show_entries stream=width,height -of csv=p=0 " + ShellQuote(FileName));
    EXPECT_EQ(Probe.Output, "6,5\n");
  }
  // An empty bitmap saves nothing, and loading nothing empties a bitmap.
  TBitmap Empty;
  TMemoryStream Stream;
  Empty.SaveToStream(Stream);
  EXPECT_EQ(Stream.Size(), 0);
  auto Full = FilledBitmap(2, 2, kRed);
  Full->LoadFromStream(Stream);
  EXPECT_TRUE(Full->Empty());
}

// ---------------------------------------------------------------- TCanvas

TEST(CanvasTest, DrawsWithThePenBrushAndModeSetLast) {
  auto Bitmap = FilledBitmap(10, 8, clWhite);
  TCanvas& Canvas = Bitmap->Canvas();

  Canvas.Pen().SetColor(kRed);
  Canvas.MoveTo(1, 1);
  Canvas.LineTo(6, 1);  // the end point is left out
  EXPECT_EQ(Canvas.PenPos(), (TPoint{6, 1}));
  EXPECT_EQ(RowMask(*Bitmap, 1, kRed), ".#####....");

  // A change between calls is applied to the next one.
  Canvas.Pen().SetColor(kBlue);
  Canvas.LineTo(9, 1);
  EXPECT_EQ(RowMask(*Bitmap, 1, kBlue), "......###.");

  // Outline only with a clear brush; the outline lies inside the bounds.
  Canvas.Brush().SetStyle(bsClear);
  Canvas.Rectangle(2, 3, 7, 7);
  EXPECT_EQ(RowMask(*Bitmap, 3, kBlue), "..#####...");
  EXPECT_EQ(RowMask(*Bitmap, 4, kBlue), "..#...#...");
  EXPECT_EQ(RowMask(*Bitmap, 7, kBlue), "..........");

  Canvas.Brush().SetStyle(bsSolid);
  Canvas.Brush().SetColor(kGreen);
  Canvas.FillRect(Rect(3, 4, 6, 6));
  EXPECT_EQ(RowMask(*Bitmap, 4, kGreen), "...###....");
  Canvas.Brush().SetColor(kRed);
  Canvas.FrameRect(Rect(0, 5, 10, 8));
  EXPECT_EQ(RowMask(*Bitmap, 7, kRed), "##########");
  EXPECT_EQ(RowMask(*Bitmap, 6, kRed), "#........#");

  // XOR twice restores.
  Canvas.Pen().SetMode(pmXor);
  Canvas.Pen().SetColor(clWhite);
  const TPoint Line[] = {{0, 0}, {9, 0}};
  Canvas.Polyline(Line);
  EXPECT_EQ(RowMask(*Bitmap, 0, clBlack), "#########.");
  Canvas.Polyline(Line);
  EXPECT_EQ(RowMask(*Bitmap, 0, clWhite), "##########");

  // Drawing leaves alpha 0, as GDI does.
  EXPECT_EQ(StoredPixel(*Bitmap, 3, 4) >> 24, 0u);
}

TEST(CanvasTest, PolygonEllipseAndCopyRect) {
  auto Bitmap = FilledBitmap(8, 8, clWhite);
  TCanvas& Canvas = Bitmap->Canvas();
  Canvas.Pen().SetStyle(psClear);
  Canvas.Brush().SetColor(kBlue);
  const TPoint Square[] = {{1, 1}, {5, 1}, {5, 5}, {1, 5}};
  Canvas.Polygon(Square);
  EXPECT_EQ(RowMask(*Bitmap, 2, kBlue), ".####...");
  Canvas.Ellipse(0, 6, 8, 8);
  EXPECT_NE(RowMask(*Bitmap, 6, kBlue), "........");

  // CopyRect stretches by nearest neighbour: two columns over four.
  auto Source = FilledBitmap(2, 1, kRed);
  Source->Canvas().SetPixels(1, 0, kGreen);
  auto Target = FilledBitmap(6, 1, clWhite);
  Target->Canvas().CopyRect(Rect(1, 0, 5, 1), Source->Canvas(), Rect(0, 0, 2, 1));
  EXPECT_EQ(RowMask(*Target, 0, kRed), ".##...");
  EXPECT_EQ(RowMask(*Target, 0, kGreen), "...##.");
}

TEST(CanvasTest, TextUsesTheFontAndBrush) {
  auto Bitmap = FilledBitmap(120, 40, clWhite);
  TCanvas& Canvas = Bitmap->Canvas();
  Canvas.Font().SetName("DejaVu Sans");
  Canvas.Font().SetHeight(-16);
  Canvas.Font().SetColor(kRed);
  Canvas.Brush().SetStyle(bsClear);

  const TSize Extent = Canvas.TextExtent("Hello");
  TSize Measured;
  GetTextExtentPoint32(Canvas.Handle(), "Hello", Measured);
  EXPECT_EQ(Extent, Measured);
  EXPECT_GT(Canvas.TextWidth("Hello"), Canvas.TextWidth("Hell"));
  EXPECT_EQ(Canvas.TextHeight("x"), Extent.cy);

  Canvas.TextOut(2, 2, "Hello");
  EXPECT_EQ(Canvas.PenPos(), (TPoint{2 + Extent.cx, 2}));
  int RedPixels = 0;
  for (int Y = 0; Y < 40; ++Y) RedPixels += int(RowMask(*Bitmap, Y, kRed).find('#') != std::string::npos);
  EXPECT_GT(RedPixels, 5);

  // A larger font measures wider; a clipped TextRect draws nothing outside its rectangle.
  Canvas.Font().SetHeight(-24);
  EXPECT_GT(Canvas.TextWidth("Hello"), Extent.cx);
  auto Clipped = FilledBitmap(60, 30, clWhite);
  Clipped->Canvas().Font().Assign(Canvas.Font());
  Clipped->Canvas().Brush().SetColor(kGreen);
  Clipped->Canvas().TextRect(Rect(0, 0, 60, 10), 0, 0, "Hello");
  for (int Y = 10; Y < 30; ++Y) EXPECT_EQ(RowMask(*Clipped, Y, clWhite), std::string(60, '#')) << Y;
  EXPECT_EQ(RowMask(*Clipped, 0, kGreen).substr(50), std::string(10, '#'));  // the opaque background

  TRect Calculated = Rect(0, 0, 200, 0);
  Canvas.TextRect(Calculated, "Hello", {tfCalcRect, tfSingleLine});
  EXPECT_EQ(Calculated.Width(), Canvas.TextWidth("Hello"));
}

TEST(CanvasTest, LockIsHeldAcrossThreads) {
  auto Bitmap = FilledBitmap(4, 4, clWhite);
  TCanvas& Canvas = Bitmap->Canvas();
  std::promise<void> Locked;
  std::promise<void> Release;
  std::thread Worker([&] {
    Canvas.Lock();
    Canvas.Brush().SetColor(kRed);
    Canvas.FillRect(Rect(0, 0, 4, 4));
    Locked.set_value();
    Release.get_future().wait();
    Canvas.Unlock();
  });
  ASSERT_EQ(Locked.get_future().wait_for(std::chrono::seconds(30)), std::future_status::ready);
  EXPECT_FALSE(Canvas.TryLock());
  Release.set_value();
  Worker.join();
  ASSERT_TRUE(Canvas.TryLock());
  // The lock is recursive.
  Canvas.Lock();
  EXPECT_EQ(Canvas.Pixels(3, 3), kRed);
  Canvas.Unlock();
  Canvas.Unlock();
}

TEST(CanvasTest, CanvasWithoutDeviceContextRefusesToDraw) {
  TCanvas Canvas;
  EXPECT_FALSE(Canvas.HandleAllocated());
  EXPECT_THROW(Canvas.LineTo(1, 1), EInvalidGraphic);
  auto Bitmap = FilledBitmap(3, 1, clWhite);
  Canvas.SetHandle(Bitmap->Canvas().Handle());
  Canvas.Pen().SetColor(kBlue);
  Canvas.MoveTo(0, 0);
  Canvas.LineTo(3, 0);
  Canvas.SetHandle(nullptr);
  EXPECT_EQ(RowMask(*Bitmap, 0, kBlue), "###");
}

// ---------------------------------------------------------------- TFont, TPen, TBrush

TEST(FontTest, ChangesRecreateTheHandleAndNotify) {
  TFont Font;
  EXPECT_EQ(Font.Name(), DefaultFontName);
  EXPECT_EQ(Font.Height(), DefaultFontHeight);
  EXPECT_EQ(Font.Size(), 8);
  int Changes = 0;
  Font.OnChange = [&](TGraphicsObject* Sender) {
    EXPECT_EQ(Sender, &Font);
    ++Changes;
  };

  Font.SetSize(12);
  EXPECT_EQ(Font.Height(), -16);  // -MulDiv(12, 96, 72)
  EXPECT_EQ(Font.Handle()->LogFont().lfHeight, -16);
  Font.SetName("DejaVu Sans");
  Font.SetStyle({fsBold, fsItalic, fsUnderline, fsStrikeOut});
  Font.SetOrientation(900);
  const LOGFONT& LogFont = Font.Handle()->LogFont();
  EXPECT_EQ(LogFont.lfFaceName, "DejaVu Sans");
  EXPECT_EQ(LogFont.lfWeight, FW_BOLD);
  EXPECT_TRUE(LogFont.lfItalic && LogFont.lfUnderline && LogFont.lfStrikeOut);
  EXPECT_EQ(LogFont.lfEscapement, 900);
  EXPECT_EQ(Changes, 4);

  // The colour is not part of the font handle; setting a value again changes nothing.
  HFONT Handle = Font.Handle();
  Font.SetColor(kBlue);
  Font.SetName("DejaVu Sans");
  EXPECT_EQ(Font.Handle(), Handle);
  EXPECT_EQ(Changes, 5);

  TFont Copy;
  int CopyChanges = 0;
  Copy.OnChange = [&](TGraphicsObject*) { ++CopyChanges; };
  Copy.Assign(Font);
  EXPECT_EQ(CopyChanges, 1);
  EXPECT_EQ(Copy.Color(), kBlue);
  EXPECT_EQ(Copy.Handle()->LogFont(), Font.Handle()->LogFont());
}

TEST(PenBrushTest, HandlesFollowTheProperties) {
  TPen Pen;
  Pen.SetColor(kRed);
  Pen.SetWidth(3);
  LOGPEN LogPen;
  ASSERT_EQ(GetObject(Pen.Handle(), sizeof(LogPen), &LogPen), int(sizeof(LogPen)));
  EXPECT_EQ(LogPen.lopnColor, RGB(255, 0, 0));
  EXPECT_EQ(LogPen.lopnWidth.X, 3);
  const struct {
    TPenStyle Style;
    uint32_t Expected;
  } Styles[] = {
      {psSolid, PS_SOLID}, {psDash, PS_DASH}, {psDot, PS_DOT}, {psClear, PS_NULL}, {psInsideFrame, PS_SOLID}};
  for (const auto& Case : Styles) {
    Pen.SetStyle(Case.Style);
    EXPECT_EQ(Pen.Handle()->LineStyle(), Case.Expected) << Case.Style;
  }

  TBrush Brush;
  int Changes = 0;
  Brush.OnChange = [&](TGraphicsObject*) { ++Changes; };
  Brush.SetColor(clBtnFace);  // a system colour is resolved
  EXPECT_EQ(Brush.Handle()->Color(), GetSysColor(COLOR_BTNFACE));
  Brush.SetStyle(bsClear);
  EXPECT_TRUE(Brush.Handle()->IsNull());
  EXPECT_EQ(Changes, 2);
}

// ---------------------------------------------------------------- transparency

TEST(GraphicTest, TransparentBitmapLeavesOutTheBottomLeftColour) {
  auto Sprite = FilledBitmap(3, 2, clFuchsia);
  Sprite->Canvas().SetPixels(1, 0, kRed);
  Sprite->Canvas().SetPixels(2, 1, kBlue);
  EXPECT_EQ(Sprite->TransparentMode(), tmAuto);
  EXPECT_EQ(Sprite->TransparentColor(), clFuchsia);

  auto Target = FilledBitmap(5, 2, kGreen);
  Sprite->SetTransparent(true);
  Target->Canvas().Draw(1, 0, *Sprite);
  EXPECT_EQ(RowMask(*Target, 0, kGreen), "##.##");
  EXPECT_EQ(RowMask(*Target, 0, kRed), "..#..");
  EXPECT_EQ(RowMask(*Target, 1, kBlue), "...#.");

  // With tmFixed the named colour is left out instead.
  Sprite->SetTransparentColor(kRed);
  EXPECT_EQ(Sprite->TransparentMode(), tmFixed);
  Target->Canvas().Draw(1, 0, *Sprite);
  EXPECT_EQ(RowMask(*Target, 0, clFuchsia), ".#.#.");
  EXPECT_EQ(RowMask(*Target, 0, kRed), "..#..");  // the red from before shows through

  // Not transparent: copied whole, stretched by StretchDraw.
  Sprite->SetTransparent(false);
  Target->Canvas().StretchDraw(Rect(0, 0, 5, 2), *Sprite);
  EXPECT_EQ(RowMask(*Target, 0, kRed), "..##.");  // columns 0 0 1 1 2 of the sprite
}

TPixelImage TwoPixels(uint32_t AFirst, uint32_t ASecond) {
  TPixelImage Image;
  ResizePixelImage(Image, 2, 1);
  Image.Pixels = {AFirst, ASecond};
  Image.HasAlpha = true;
  return Image;
}

TEST(GraphicTest, PngDrawsWithItsAlphaAndConvertsToBitmaps) {
  TPngImage Png;
  TMemoryStream Stream;
  const std::vector<uint8_t> File = EncodePng(TwoPixels(0xFFFF0000, 0x80FF0000), true);
  Stream.WriteBuffer(File.data(), int64_t(File.size()));
  Stream.SetPosition(0);
  Png.LoadFromStream(Stream);
  EXPECT_EQ(Png.Width(), 2);
  EXPECT_TRUE(Png.Transparent());

  auto Target = FilledBitmap(2, 1, clWhite);
  Target->Canvas().Draw(0, 0, Png);
  EXPECT_EQ(Target->Canvas().Pixels(0, 0), kRed);
  // Half red over white: 128 + 255 × 127 / 255 = 255 for red, 127 for green and blue.
  EXPECT_EQ(Target->Canvas().Pixels(1, 0), TColor(RGB(255, 127, 127)));

  // A bitmap takes the alpha; a PNG made from a 24-bit bitmap is opaque.
  TBitmap Bitmap;
  Bitmap.Assign(Png);
  EXPECT_EQ(Bitmap.PixelFormat(), pf32bit);
  EXPECT_EQ(StoredPixel(Bitmap, 1, 0), 0x80FF0000u);
  TPngImage FromBitmap;
  FromBitmap.Assign(*FilledBitmap(3, 3, kBlue, pf24bit));
  EXPECT_FALSE(FromBitmap.ToPixelImage().HasAlpha);
  EXPECT_EQ(FromBitmap.ToPixelImage().Pixel(2, 2), 0xFF0000FFu);
  // A 32-bit bitmap drawn by GDI (alpha 0 everywhere) counts as opaque too.
  FromBitmap.Assign(*FilledBitmap(3, 3, kBlue, pf32bit));
  EXPECT_EQ(FromBitmap.ToPixelImage().Pixel(0, 0), 0xFF0000FFu);
}

TEST(GraphicTest, JpegQualityAffectsSizeAndLoadedFilesSaveUnchanged) {
  auto Source = std::make_unique<TBitmap>();
  Source->SetPixelFormat(pf24bit);
  Source->SetSize(64, 48);
  for (int Y = 0; Y < 48; ++Y)
    for (int X = 0; X < 64; ++X) Source->Canvas().SetPixels(X, Y, TColor(RGB(X * 4, Y * 5, (X + Y) * 2)));

  TJPEGImage Jpeg;
  EXPECT_EQ(Jpeg.CompressionQuality(), 90);
  Jpeg.Assign(*Source);
  TStringStream Default;
  Jpeg.SaveToStream(Default);
  Jpeg.SetCompressionQuality(20);
  TMemoryStream Poor;
  Jpeg.SaveToStream(Poor);
  EXPECT_LT(Poor.Size(), Default.Size());
  Jpeg.SetCompressionQuality(500);
  EXPECT_EQ(Jpeg.CompressionQuality(), 100);

  Default.SetPosition(0);
  TJPEGImage Loaded;
  Loaded.LoadFromStream(Default);
  EXPECT_EQ(Loaded.Width(), 64);
  EXPECT_EQ(Loaded.Height(), 48);
  TStringStream Again;
  Loaded.SaveToStream(Again);
  EXPECT_EQ(Again.DataString(), Default.DataString());

  TBitmap Decoded;
  Decoded.Assign(Loaded);
  EXPECT_EQ(Decoded.PixelFormat(), pf24bit);
  EXPECT_NEAR(GetRValue(ColorToRGB(Decoded.Canvas().Pixels(40, 20))), 160, 12);
}

TEST(GraphicTest, IconLoadsDrawsAndSavesUnchanged) {
  TPixelImage Image;
  ResizePixelImage(Image, 16, 16, 0x00000000);
  for (int Y = 4; Y < 12; ++Y)
    for (int X = 4; X < 12; ++X) Image.Pixels[Y * 16 + X] = 0xFF00FF00;
  Image.HasAlpha = true;
  const std::vector<uint8_t> File = EncodeIcon(Image);
  TStringStream Stream;
  Stream.WriteBuffer(File.data(), int64_t(File.size()));
  Stream.SetPosition(0);
  TIcon Icon;
  Icon.LoadFromStream(Stream);
  EXPECT_EQ(Icon.Width(), 16);
  EXPECT_EQ(Icon.Height(), 16);

  auto Target = FilledBitmap(16, 16, kBlue);
  Target->Canvas().Draw(0, 0, Icon);
  EXPECT_EQ(RowMask(*Target, 8, kGreen), "....########....");
  EXPECT_EQ(RowMask(*Target, 2, kBlue), std::string(16, '#'));

  TStringStream Saved;
  Icon.SaveToStream(Saved);
  EXPECT_EQ(Saved.DataString(), Stream.DataString());
}

// ---------------------------------------------------------------- TPicture

TEST(PictureTest, LoadsTheKindTheFirstBytesName) {
  TempDir Dir;
  const TPixelImage Image = TwoPixels(0xFF112233, 0x80445566);
  const struct {
    const char* FileName;  // deliberately misleading extensions
    std::vector<uint8_t> Data;
    const char* Kind;
  } Cases[] = {
      {"png-named.bmp", EncodePng(Image, true), "png"},
      {"bmp-named.png", EncodeBmp(Image, 24), "bmp"},
      {"jpeg-named.ico", EncodeJpeg(Image, 90), "jpeg"},
      {"icon-named.jpg", EncodeIcon(Image), "icon"},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.FileName);
    WriteWholeFile(Dir.File(Case.FileName), std::string(Case.Data.begin(), Case.Data.end()));
    TPicture Picture;
    int Changes = 0;
    Picture.OnChange = [&](TPicture* Sender) {
      EXPECT_EQ(Sender, &Picture);
      ++Changes;
    };
    Picture.LoadFromFile(Dir.File(Case.FileName));
    EXPECT_EQ(Changes, 1);
    const TGraphic* Graphic = Picture.Graphic();
    ASSERT_NE(Graphic, nullptr);
    const std::string Kind = dynamic_cast<const TPngImage*>(Graphic)    ? "png"
                             : dynamic_cast<const TBitmap*>(Graphic)    ? "bmp"
                             : dynamic_cast<const TJPEGImage*>(Graphic) ? "jpeg"
                             : dynamic_cast<const TIcon*>(Graphic)      ? "icon"
                                                                        : "?";
    EXPECT_EQ(Kind, Case.Kind);
    EXPECT_EQ(Picture.Width(), 2);
    EXPECT_EQ(Picture.Height(), 1);
  }

  WriteWholeFile(Dir.File("text.png"), "GIF89a, or anything else");
  TPicture Picture;
  EXPECT_THROW(Picture.LoadFromFile(Dir.File("text.png")), EInvalidGraphic);
  EXPECT_EQ(Picture.Graphic(), nullptr);
}

TEST(PictureTest, AssignCopiesAndBitmapReplacesOtherKinds) {
  TPicture Source;
  TPngImage Png;
  Png.Assign(*FilledBitmap(3, 2, kRed));
  Source.SetGraphic(&Png);
  ASSERT_NE(Source.Graphic(), &Png);  // a copy

  TPicture Copy;
  Copy.Assign(Source);
  ASSERT_NE(dynamic_cast<TPngImage*>(Copy.Graphic()), nullptr);
  EXPECT_NE(Copy.Graphic(), Source.Graphic());
  EXPECT_EQ(Copy.Width(), 3);

  // A change of the held graphic reaches the picture's listeners.
  int Changes = 0;
  Copy.OnChange = [&](TPicture*) { ++Changes; };
  Copy.Graphic()->Assign(*FilledBitmap(5, 5, kRed));
  EXPECT_EQ(Changes, 1);

  TBitmap& Bitmap = Copy.Bitmap();
  EXPECT_TRUE(Bitmap.Empty());
  EXPECT_EQ(Copy.Graphic(), &Bitmap);
  EXPECT_EQ(&Copy.Bitmap(), &Bitmap);
  EXPECT_EQ(Changes, 2);
}

}  // namespace
