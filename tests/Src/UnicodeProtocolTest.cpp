// The "unicode" protocol, through the AVIOContext that serves it to FFmpeg.

#include <gtest/gtest.h>

#include <filesystem>

#include "Src/FFLoad.h"
#include "Src/FFUtils.h"
#include "Src/UnicodeProtocol.h"
#include "tests/support/TestSupport.h"

namespace {

using testing_support::ReadWholeFile;
using testing_support::WriteWholeFile;

const char KnownBytes[] = "known bytes \x00\x01\xff of the file";
const String Data(KnownBytes, sizeof(KnownBytes) - 1);

class UnicodeProtocolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(FFLoader().Load(DecoderLibraries)) << FFLoader().LastErrMsg();
    RegisterUnicodeProtocol();
  }
  void TearDown() override { CloseProtocolIO(IO); }

  void Open(const String& APath, int AFlags) {
    IO = OpenProtocolIO("unicode:" + APath, AFlags, Error);
    ASSERT_NE(IO, nullptr) << ErrorToText(APath, Error);
    ASSERT_EQ(Error, 0);
  }

  String ReadToEnd() {
    String Result;
    uint8_t Buffer[7];
    int Count;
    while ((Count = FF.avio_read(IO, Buffer, sizeof(Buffer))) > 0)
      Result.append(reinterpret_cast<char*>(Buffer), static_cast<size_t>(Count));
    EXPECT_EQ(Count, AVERROR_EOF);
    return Result;
  }

  void Write(const String& AText) {
    FF.avio_write(IO, reinterpret_cast<const unsigned char*>(AText.data()), static_cast<int>(AText.size()));
  }

  testing_support::TempDir Dir;
  AVIOContext* IO = nullptr;
  int Error = 1;
};

TEST_F(UnicodeProtocolTest, IsRegisteredOnce) {
  TURLProtocol* Protocol = FindProtocol("unicode");
  ASSERT_NE(Protocol, nullptr);
  RegisterUnicodeProtocol();
  EXPECT_EQ(FindProtocol("unicode"), Protocol);
}

TEST_F(UnicodeProtocolTest, ReadsANameWithColonsAndNonAsciiCharactersIntact) {
  String Path = Dir.File("Müsic: ünïcode.bin");
  WriteWholeFile(Path, Data);
  WriteWholeFile(Dir.File(" ünïcode.bin"), "the part after the colon names another file");

  ASSERT_NO_FATAL_FAILURE(Open(Path, AVIO_FLAG_READ));
  EXPECT_EQ(FF.avio_size(IO), static_cast<int64_t>(Data.size()));
  EXPECT_EQ(ReadToEnd(), Data);
  EXPECT_EQ(FF.avio_seek(IO, 6, SEEK_SET), 6);
  uint8_t Word[5];
  ASSERT_EQ(FF.avio_read(IO, Word, 5), 5);
  EXPECT_EQ(String(reinterpret_cast<char*>(Word), 5), "bytes");
  EXPECT_EQ(CloseProtocolIO(IO), 0);
  EXPECT_EQ(IO, nullptr);
  EXPECT_EQ(ReadWholeFile(Path), Data);  // reading left the file as it was
}

TEST_F(UnicodeProtocolTest, RelativeNamesOpenFromTheCurrentFolder) {
  WriteWholeFile(Dir.File("relative:name.bin"), Data);
  std::filesystem::path Previous = std::filesystem::current_path();
  std::filesystem::current_path(Dir.Path());
  IO = OpenProtocolIO("unicode:relative:name.bin", AVIO_FLAG_READ, Error);
  std::filesystem::current_path(Previous);
  ASSERT_NE(IO, nullptr) << ErrorToText("relative:name.bin", Error);
  EXPECT_EQ(ReadToEnd(), Data);
}

TEST_F(UnicodeProtocolTest, ReadingAtTheEndGivesEndOfFile) {
  String Path = Dir.File("end.bin");
  WriteWholeFile(Path, Data);
  TURLProtocol* Protocol = FindProtocol("unicode");
  ASSERT_NE(Protocol, nullptr);
  std::unique_ptr<TURLConnection> Connection = Protocol->Open("unicode:" + Path, AVIO_FLAG_READ, Error);
  ASSERT_NE(Connection, nullptr);
  uint8_t Buffer[100];
  EXPECT_EQ(Connection->Read(Buffer, sizeof(Buffer)), static_cast<int>(Data.size()));
  EXPECT_EQ(Connection->Read(Buffer, sizeof(Buffer)), AVERROR_EOF);
  EXPECT_EQ(Connection->Seek(-4, SEEK_END), static_cast<int64_t>(Data.size()) - 4);
  EXPECT_EQ(Connection->Read(Buffer, sizeof(Buffer)), 4);
  EXPECT_EQ(Connection->Read(Buffer, sizeof(Buffer)), AVERROR_EOF);
  EXPECT_EQ(Connection->Close(), 0);
}

TEST_F(UnicodeProtocolTest, WritingCreatesOrEmptiesTheFile) {
  for (int Flags : {AVIO_FLAG_WRITE, AVIO_FLAG_READ_WRITE}) {
    String Existing = Dir.File("existing ä.bin"), Created = Dir.File(Format("created ö %d.bin", Flags));
    WriteWholeFile(Existing, "a longer text that the new one must replace");
    for (const String& Path : {Existing, Created}) {
      ASSERT_NO_FATAL_FAILURE(Open(Path, Flags));
      Write(Data);
      EXPECT_EQ(CloseProtocolIO(IO), 0);
      EXPECT_EQ(ReadWholeFile(Path), Data) << Path << " opened with " << Flags;
    }
  }
}

TEST_F(UnicodeProtocolTest, ReadingAndWritingShareTheFile) {
  String Path = Dir.File("both.bin");
  ASSERT_NO_FATAL_FAILURE(Open(Path, AVIO_FLAG_READ_WRITE));
  Write(Data);
  FF.avio_flush(IO);
  EXPECT_EQ(FF.avio_size(IO), static_cast<int64_t>(Data.size()));
  EXPECT_EQ(FF.avio_seek(IO, 0, SEEK_SET), 0);
  EXPECT_EQ(CloseProtocolIO(IO), 0);
  EXPECT_EQ(ReadWholeFile(Path), Data);
}

TEST_F(UnicodeProtocolTest, SizeOfAFileAboveFourGibibytes) {
  String Path = Dir.File("sparse.bin");
  const uintmax_t Size = (uintmax_t(5) << 30) + 3;
  WriteWholeFile(Path, "");
  std::filesystem::resize_file(Path, Size);
  ASSERT_NO_FATAL_FAILURE(Open(Path, AVIO_FLAG_READ));
  EXPECT_EQ(FF.avio_size(IO), static_cast<int64_t>(Size));
  EXPECT_EQ(FF.avio_seek(IO, static_cast<int64_t>(Size) - 2, SEEK_SET), static_cast<int64_t>(Size) - 2);
  EXPECT_EQ(ReadToEnd(), String(2, '\0'));
}

TEST_F(UnicodeProtocolTest, AFileThatCannotBeOpenedGivesTheSystemsReason) {
  IO = OpenProtocolIO("unicode:" + Dir.File("missing ü.bin"), AVIO_FLAG_READ, Error);
  EXPECT_EQ(IO, nullptr);
  EXPECT_EQ(Error, AVERROR(ENOENT));
  EXPECT_EQ(ErrorToText("missing ü.bin", Error), "missing ü.bin: No such file or directory");

  IO = OpenProtocolIO("unicode:" + Dir.File("no folder/new.bin"), AVIO_FLAG_WRITE, Error);
  EXPECT_EQ(IO, nullptr);
  EXPECT_EQ(Error, AVERROR(ENOENT));

  IO = OpenProtocolIO("unicode:" + Dir.Path().string(), AVIO_FLAG_WRITE, Error);
  EXPECT_EQ(IO, nullptr);
  EXPECT_EQ(Error, AVERROR(EISDIR));
}

TEST_F(UnicodeProtocolTest, FFmpegOpensMediaThroughTheProtocol) {
  String Plain = Dir.File("made.mkv"), Path = Dir.File("Vidéo: ünïcode.mkv");
  auto Made = testing_support::RunCommand(
      "ffmpeg -hide_banner -loglevel error -y -f lavfi -i testsrc2=d=1:s=64x48 -f lavfi -i sine=d=1 "
      "-c:v mpeg4 -c:a aac " +
      testing_support::ShellQuote(Plain));
  ASSERT_EQ(Made.ExitCode, 0) << Made.Output;
  std::filesystem::rename(Plain, Path);

  ASSERT_NO_FATAL_FAILURE(Open(Path, AVIO_FLAG_READ));
  AVFormatContext* Context = FF.avformat_alloc_context();
  Context->pb = IO;
  String URL = "unicode:" + Path;
  ASSERT_EQ(FF.avformat_open_input(&Context, URL.c_str(), nullptr, nullptr), 0);
  ASSERT_GE(FF.avformat_find_stream_info(Context, nullptr), 0);
  EXPECT_EQ(Context->nb_streams, 2u);
  EXPECT_STREQ(Context->iformat->name, "matroska,webm");
  AVPacket* Packet = FF.av_packet_alloc();
  int Packets = 0;
  while (FF.av_read_frame(Context, Packet) >= 0) {
    Packets++;
    FF.av_packet_unref(Packet);
  }
  EXPECT_GT(Packets, 25);
  FF.av_packet_free(&Packet);
  FF.avformat_close_input(&Context);
}

}  // namespace
