#include <gtest/gtest.h>

#include <cstring>

#include "platform/base/Exceptions.h"
#include "platform/base/Streams.h"
#include "tests/support/TestSupport.h"

using testing_support::ReadWholeFile;
using testing_support::TempDir;
using testing_support::WriteWholeFile;

namespace {

String ReadText(TStream& AStream, int64_t ACount) {
  String Text(static_cast<size_t>(ACount), '\0');
  Text.resize(static_cast<size_t>(AStream.Read(Text.data(), ACount)));
  return Text;
}

}  // namespace

TEST(TMemoryStream, ReadsWritesAndSeeks) {
  TMemoryStream Stream;
  Stream.WriteBuffer("hello world", 11);
  EXPECT_EQ(11, Stream.Size());
  EXPECT_EQ(11, Stream.Position());
  EXPECT_EQ(6, Stream.Seek(-5, soFromEnd));
  EXPECT_EQ("wor", ReadText(Stream, 3));
  EXPECT_EQ(3, Stream.Seek(-6, soFromCurrent));
  Stream.WriteBuffer("P", 1);
  EXPECT_EQ(0, std::memcmp("helPo world", Stream.Memory(), 11));
  EXPECT_THROW(Stream.Seek(-1, soFromBeginning), EStreamError);

  // Writing past the end fills the gap with zeros.
  Stream.SetPosition(13);
  Stream.WriteBuffer("!", 1);
  EXPECT_EQ(String("helPo world\0\0!", 14), String(reinterpret_cast<char*>(Stream.Memory()), 14));
  EXPECT_EQ("", ReadText(Stream, 10));

  Stream.SetSize(5);
  EXPECT_EQ(5, Stream.Position());  // moved back to the new end
  Stream.SetPosition(0);
  EXPECT_EQ("helPo", ReadText(Stream, 100));
  Stream.Clear();
  EXPECT_EQ(0, Stream.Size());
  EXPECT_EQ(0, Stream.Position());
}

TEST(TStream, ShortTransfersRaise) {
  TMemoryStream Stream;
  Stream.WriteBuffer("abc", 3);
  Stream.SetPosition(1);
  char Buffer[8];
  try {
    Stream.ReadBuffer(Buffer, 3);
    FAIL() << "no EReadError";
  } catch (const EReadError& E) {
    EXPECT_EQ("Stream read error", E.Message());
  }
  Stream.ReadBuffer(Buffer, 0);  // nothing asked, nothing missing

  TempDir Dir;
  WriteWholeFile(Dir.File("read-only"), "x");
  TFileStream ReadOnly(Dir.File("read-only"), fmOpenRead);
  try {
    ReadOnly.WriteBuffer("y", 1);
    FAIL() << "no EWriteError";
  } catch (const EWriteError& E) {
    EXPECT_EQ("Stream write error", E.Message());
  }
}

TEST(TStream, CopyFromCopiesACountOrTheWholeSource) {
  TStringStream Source("0123456789");
  Source.SetPosition(2);
  TStringStream Dest;
  EXPECT_EQ(3, Dest.CopyFrom(Source, 3));
  EXPECT_EQ("234", Dest.DataString());
  EXPECT_EQ(10, Dest.CopyFrom(Source, 0));
  EXPECT_EQ("2340123456789", Dest.DataString());
  EXPECT_THROW(Dest.CopyFrom(Source, 1), EReadError);  // the source is at its end

  // More than one internal chunk.
  TMemoryStream Big;
  Big.SetSize(200000);
  for (int64_t I = 0; I < Big.Size(); ++I) Big.Memory()[I] = static_cast<uint8_t>(I * 7);
  TMemoryStream Copy;
  Copy.CopyFrom(Big, 0);
  ASSERT_EQ(Big.Size(), Copy.Size());
  EXPECT_EQ(0, std::memcmp(Big.Memory(), Copy.Memory(), 200000));
}

TEST(TStringStream, WritesInsideTheTextWithoutCuttingIt) {
  TStringStream Stream("abcdef");
  EXPECT_EQ("abcdef", Stream.DataString());
  Stream.SetPosition(2);
  Stream.WriteBuffer("XY", 2);
  EXPECT_EQ("abXYef", Stream.DataString());
  Stream.Seek(0, soFromEnd);
  Stream.WriteBuffer("gh", 2);
  EXPECT_EQ("abXYefgh", Stream.DataString());
}

TEST(TMemoryStream, LoadsAndSavesFilesAndStreams) {
  TempDir Dir;
  const String Bytes("bin\0ary\xFF", 8);
  WriteWholeFile(Dir.File("in.bin"), Bytes);
  TMemoryStream Stream;
  Stream.LoadFromFile(Dir.File("in.bin"));
  EXPECT_EQ(8, Stream.Size());
  EXPECT_EQ(0, Stream.Position());
  Stream.Seek(0, soFromEnd);
  Stream.SaveToFile(Dir.File("out.bin"));
  EXPECT_EQ(Bytes, ReadWholeFile(Dir.File("out.bin")));

  TStringStream Text("replaced");
  Text.SetPosition(3);
  Stream.LoadFromStream(Text);
  EXPECT_EQ("replaced", String(reinterpret_cast<char*>(Stream.Memory()), 8));
  TStringStream Out("xx");
  Out.Seek(0, soFromEnd);
  Stream.SaveToStream(Out);
  EXPECT_EQ("xxreplaced", Out.DataString());
  EXPECT_THROW(Stream.LoadFromFile(Dir.File("missing.bin")), EFOpenError);
}

TEST(TFileStream, CreatesOpensAndRewrites) {
  TempDir Dir;
  const String Name = Dir.File("data.bin");
  {
    TFileStream File(Name, fmCreate);
    File.WriteBuffer("0123456789", 10);
    EXPECT_EQ(10, File.Size());
    EXPECT_EQ(Name, File.FileName());
  }
  {
    TFileStream File(Name, fmOpenReadWrite | fmShareExclusive);
    File.SetPosition(4);
    File.WriteBuffer("ab", 2);
    File.SetSize(8);
    EXPECT_EQ(6, File.Position());  // truncating leaves the position alone
    File.SetPosition(0);
    EXPECT_EQ("0123ab67", ReadText(File, 100));
  }
  {
    TFileStream File(Name, fmOpenWrite);
    File.WriteBuffer("Z", 1);
  }
  EXPECT_EQ("Z123ab67", ReadWholeFile(Name));
  {
    TFileStream File(Name, fmCreate | fmShareDenyWrite);  // empties the file
    EXPECT_EQ(0, File.Size());
  }
}

TEST(TFileStream, OpenAndCreateFailuresNameTheFileAndTheReason) {
  TempDir Dir;
  struct Case {
    String Name;
    uint16_t Mode;
    String Expected;
  };
  const Case Cases[] = {
      {Dir.File("missing"), fmOpenRead,
       "Cannot open file \"" + Dir.File("missing") + "\". No such file or directory"},
      {Dir.Path().string(), fmOpenRead, "Cannot open file \"" + Dir.Path().string() + "\". Is a directory"},
      {Dir.File("no/such/dir"), fmCreate,
       "Cannot create file \"" + Dir.File("no/such/dir") + "\". No such file or directory"},
  };
  for (const Case& C : Cases) {
    try {
      TFileStream File(C.Name, C.Mode);
      ADD_FAILURE() << "opened " << C.Name;
    } catch (const EStreamError& E) {
      EXPECT_EQ(C.Expected, E.Message());
      if (C.Mode == fmCreate)
        EXPECT_NE(nullptr, dynamic_cast<const EFCreateError*>(&E));
      else
        EXPECT_NE(nullptr, dynamic_cast<const EFOpenError*>(&E));
    }
  }
}

TEST(TFileStream, PositionsBeyondFourGiBytes) {
  TempDir Dir;
  const String Name = Dir.File("sparse.bin");
  constexpr int64_t FiveGiB = int64_t{5} << 30;
  constexpr int64_t Beyond4GiB = (int64_t{4} << 30) + 10;
  {
    TFileStream File(Name, fmCreate);
    File.SetSize(FiveGiB);  // a hole: no disk space is used
    EXPECT_EQ(FiveGiB, File.Size());
    EXPECT_EQ(FiveGiB, File.Seek(0, soFromEnd));
    EXPECT_EQ(Beyond4GiB, File.Seek(Beyond4GiB, soFromBeginning));
    File.WriteBuffer("far", 3);
    EXPECT_EQ(Beyond4GiB + 3, File.Position());
  }
  TFileStream File(Name, fmOpenRead);
  EXPECT_EQ(Beyond4GiB - 2, File.Seek(-(FiveGiB - Beyond4GiB) - 2, soFromEnd));
  EXPECT_EQ(String("\0\0far", 5), ReadText(File, 5));
  EXPECT_THROW(File.Seek(-1, soFromBeginning), EStreamError);
}
