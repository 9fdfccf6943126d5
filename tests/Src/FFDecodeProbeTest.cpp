// Opening and probing: the decoder's view of a file compared with ffprobe's.

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "Src/MyUtils.h"
#include "tests/Src/DecoderTestFixture.h"
#include "tests/Src/ProbeJson.h"

namespace {

std::vector<String> SplitLines(const String& AText) {
  std::vector<String> Lines;
  std::istringstream In(AText);
  String Line;
  while (std::getline(In, Line)) {
    if (!Line.empty() && Line.back() == '\r') Line.pop_back();
    Lines.push_back(Line);
  }
  return Lines;
}

String RateText(AVRational ARate) { return Format("%d/%d", ARate.num, ARate.den); }

int64_t Microseconds(double ASeconds) { return std::llround(ASeconds * 1000000); }

class FFDecodeProbeTest : public DecoderTest {
 protected:
  // The decoder's name may differ from the codec's ("srt" decodes "subrip"); the long
  // name is the codec's.
  static void ExpectCodecName(const String& AName, const TJsonValue& AStream) {
    String LongName = "(" + AStream.Str("codec_long_name") + ")";
    EXPECT_GT(AName.size(), LongName.size());
    EXPECT_EQ(AName.substr(AName.size() - LongName.size()), LongName) << AName;
  }

  // Every field that both the decoder and ffprobe report, stream by stream.
  void ExpectSameAsFFprobe(const std::string& AFileName) {
    ASSERT_TRUE(Decoder.LoadFile(AFileName)) << Decoder.LastErrMsg();
    TJsonValue Probe = ProbeJson(AFileName);
    const TJsonValue& Container = Probe["format"];
    const TJsonValue& Streams = Probe["streams"];

    EXPECT_EQ(Decoder.FormatName(), Container.Str("format_name"));
    EXPECT_EQ(Decoder.FormatLongName(), Container.Str("format_long_name"));
    EXPECT_EQ(Decoder.StreamCount(), Container.Num("nb_streams"));
    EXPECT_EQ(Decoder.ProgramCount(), Container.Num("nb_programs"));
    EXPECT_EQ(Decoder.FileSize(), Container.Num("size"));
    TFileStreamInfo File = Decoder.FileStreamInfo();
    EXPECT_EQ(File.Duration, Microseconds(Container.Num("duration")));
    EXPECT_EQ(File.StartTime, Microseconds(Container.Num("start_time")));
    EXPECT_EQ(File.BitRate, Container.Num("bit_rate"));

    int Counts[3] = {0, 0, 0}, Firsts[3] = {-1, -1, -1};
    ASSERT_EQ(Streams.Items.size(), size_t(Decoder.StreamCount()));
    for (int I = 0; I < Decoder.StreamCount(); ++I) {
      SCOPED_TRACE(Format("stream #%d", I));
      const TJsonValue& Stream = Streams[I];
      EXPECT_EQ(Stream.Num("index"), I);
      String Kind = Stream.Str("codec_type");
      int KindIndex = Kind == "video" ? 0 : Kind == "audio" ? 1 : 2;
      ++Counts[KindIndex];
      if (Firsts[KindIndex] < 0) Firsts[KindIndex] = I;
      EXPECT_EQ(Decoder.IsVideoStream(I), Kind == "video");
      EXPECT_EQ(Decoder.IsAudioStream(I), Kind == "audio");
      EXPECT_EQ(Decoder.IsSubtitleStream(I), Kind == "subtitle");
      String Language = Stream["tags"].Str("language");
      // The plain times are the stream's own, unset when ffprobe has none; the scaled
      // ones are -1 then.
      int64_t Start = Stream.Has("start_pts") ? int64_t(Stream.Num("start_pts")) : AV_NOPTS_VALUE;
      int64_t Duration = Stream.Has("duration_ts") ? int64_t(Stream.Num("duration_ts")) : AV_NOPTS_VALUE;
      int64_t DurationScaled = Stream.Has("duration") ? Microseconds(Stream.Num("duration")) : -1;
      AVRational TimeBase = Decoder.FileHandle()->streams[I]->time_base;
      EXPECT_EQ(RateText(TimeBase), Stream.Str("time_base"));

      if (Kind == "video") {
        TVideoStreamInfo Info;
        ASSERT_TRUE(Decoder.GetVideoStreamInfo(I, Info));
        EXPECT_EQ(Info.Width, Stream.Num("width"));
        EXPECT_EQ(Info.Height, Stream.Num("height"));
        EXPECT_EQ(RateText(Info.FrameRate), Stream.Str("avg_frame_rate"));
        EXPECT_STREQ(FF.av_get_pix_fmt_name(AVPixelFormat(Info.PixFmt)), Stream.Str("pix_fmt").c_str());
        EXPECT_EQ(Info.StartTime, Start);
        EXPECT_EQ(Info.Duration, Duration);
        EXPECT_EQ(Info.DurationScaled, DurationScaled);
        EXPECT_EQ(Info.Language, Language);
        ExpectCodecName(Info.CodecName, Stream);
      } else if (Kind == "audio") {
        TAudioStreamInfo Info;
        ASSERT_TRUE(Decoder.GetAudioStreamInfo(I, Info));
        EXPECT_EQ(Info.Channels, Stream.Num("channels"));
        EXPECT_EQ(Info.SampleRate, Stream.Num("sample_rate"));
        EXPECT_STREQ(FF.av_get_sample_fmt_name(AVSampleFormat(Info.SampleFormat)),
                     Stream.Str("sample_fmt").c_str());
        EXPECT_EQ(Info.StartTime, Start);
        EXPECT_EQ(Info.Duration, Duration);
        EXPECT_EQ(Info.DurationScaled, DurationScaled);
        EXPECT_EQ(Info.Language, Language);
        ExpectCodecName(Info.CodecName, Stream);
      } else {
        TSubtitleStreamInfo Info;
        ASSERT_TRUE(Decoder.GetSubtitleStreamInfo(I, Info));
        EXPECT_EQ(Info.Language, Language);
        ExpectCodecName(Info.CodecName, Stream);
      }
    }
    EXPECT_EQ(Decoder.VideoStreamCount(), Counts[0]);
    EXPECT_EQ(Decoder.AudioStreamCount(), Counts[1]);
    EXPECT_EQ(Decoder.SubtitleStreamCount(), Counts[2]);
    EXPECT_EQ(Decoder.FirstVideoStreamIndex(), Firsts[0]);
    EXPECT_EQ(Decoder.FirstAudioStreamIndex(), Firsts[1]);
    EXPECT_EQ(Decoder.FirstSubtitleStreamIndex(), Firsts[2]);
  }

  // The information text against ffprobe's listing of the same file: the head lines,
  // every stream's description and every metadata line.
  void ExpectInfoTextAsFFprobe(const std::string& AFileName) {
    ASSERT_TRUE(Decoder.LoadFile(AFileName)) << Decoder.LastErrMsg();
    String Text = Decoder.FileInfoText();
    ASSERT_GE(Text.size(), 2u);
    EXPECT_EQ(Text.substr(Text.size() - 2), "\r\n");
    std::vector<String> Lines = SplitLines(Text);
    TJsonValue Container = ProbeJson(AFileName)["format"];
    ASSERT_GE(Lines.size(), 4u);
    EXPECT_EQ(Lines[0], "File Name: " + AFileName);
    EXPECT_EQ(Lines[1], "Format Name: " + Container.Str("format_name"));
    EXPECT_EQ(Lines[2], "Format Long Name: " + Container.Str("format_long_name"));
    EXPECT_EQ(Lines[3], "File Size: " + FormatByteSize(int64_t(Container.Num("size"))));
    String Duration = Format("Duration: %s, start: %s, bitrate: %d kb/s",
                             DurationToText(Microseconds(Container.Num("duration"))),
                             Container.Str("start_time"), int64_t(Container.Num("bit_rate")) / 1000);
    EXPECT_NE(std::find(Lines.begin(), Lines.end(), Duration), Lines.end()) << Duration << "\n" << Text;

    std::vector<String> Trimmed;
    for (const String& Line : Lines) Trimmed.push_back(Trim(Line));
    auto Listing =
        testing_support::RunCommand("ffprobe -hide_banner " + testing_support::ShellQuote(AFileName));
    bool InHead = true;
    for (const String& Line : SplitLines(Listing.Output)) {
      String Plain = Trim(Line);
      size_t StreamAt = Plain.find("Stream #0:");
      if (StreamAt == 0) {
        InHead = false;
        // "Stream #0:1[0x2](und): Audio: ..." against "Stream #1[0x2](und), 1/44100: Audio: ...".
        size_t IdEnd = Plain.find(": ");
        String Id = Plain.substr(10, IdEnd - 10);
        String Index = Id.substr(0, Id.find_first_of("[("));
        String Description = Plain.substr(IdEnd + 2);
        auto Ours = std::find_if(Trimmed.begin(), Trimmed.end(),
                                 [&](const String& L) { return L.rfind("Stream #" + Id + ", ", 0) == 0; });
        ASSERT_NE(Ours, Trimmed.end()) << Line << "\n" << Text;
        String OurDescription = Ours->substr(Ours->find(": ") + 2);
        OurDescription = OurDescription.substr(0, OurDescription.find(", start: "));
        OurDescription = OurDescription.substr(0, OurDescription.find(", duration: "));
        EXPECT_EQ(OurDescription, Description) << "stream " << Index;
      } else if (!InHead && Plain.find(" : ") != String::npos) {
        EXPECT_NE(std::find(Trimmed.begin(), Trimmed.end(), Plain), Trimmed.end()) << Line << "\n" << Text;
      }
    }
  }
};

TEST_F(FFDecodeProbeTest, Mp4MatchesFFprobe) { ExpectSameAsFFprobe(decoder_media::MakeMp4(Folder())); }

TEST_F(FFDecodeProbeTest, MatroskaWithFiveStreamsMatchesFFprobe) {
  std::string File = decoder_media::MakeMatroska(Folder());
  ExpectSameAsFFprobe(File);
  EXPECT_EQ(Decoder.AudioStreamCount(), 2);
  EXPECT_EQ(Decoder.FirstAudioStreamIndex(), 2);
  TVideoStreamInfo Second;
  ASSERT_TRUE(Decoder.GetVideoStreamInfo(1, Second));
  EXPECT_EQ(Second.Width, 640);
  EXPECT_FLOAT_EQ(Second.AspectRatio, 640.0f / 360.0f);
}

TEST_F(FFDecodeProbeTest, InformationTextOfMp4MatchesFFprobe) {
  std::string File = decoder_media::MakeMp4(Folder());
  ExpectInfoTextAsFFprobe(File);
  String Text = Decoder.FileInfoText();
  EXPECT_NE(Text.find("  Stream #0[0x1](und), 1/12800: Video: mpeg4"), String::npos) << Text;
  EXPECT_NE(Text.find(", 25 fps, 25 tbr, 12800 tbn (default), start: 0.000000, duration: 00:00:02.000\r\n"),
            String::npos)
      << Text;
}

TEST_F(FFDecodeProbeTest, InformationTextOfMatroskaMatchesFFprobe) {
  std::string File = decoder_media::MakeMatroska(Folder());
  ExpectInfoTextAsFFprobe(File);
  String Text = Decoder.FileInfoText();
  EXPECT_NE(Text.find(", 29.97 fps, 29.97 tbr, 1k tbn (default)"), String::npos) << Text;
  EXPECT_NE(Text.find("  Stream #3(ger), 1/1000: Audio: ac3"), String::npos) << Text;
  EXPECT_EQ(Text.find("No Program"), String::npos);
}

TEST_F(FFDecodeProbeTest, NothingOpenMeansMinusOneEverywhere) {
  EXPECT_EQ(Decoder.FileHandle(), nullptr);
  for (int Value :
       {Decoder.StreamCount(), Decoder.ProgramCount(), Decoder.AudioStreamCount(), Decoder.VideoStreamCount(),
        Decoder.SubtitleStreamCount(), Decoder.FirstAudioStreamIndex(), Decoder.FirstVideoStreamIndex(),
        Decoder.FirstSubtitleStreamIndex()})
    EXPECT_EQ(Value, -1);
  EXPECT_EQ(Decoder.FileSize(), -1);
  EXPECT_EQ(Decoder.FileInfoText(), "");
  EXPECT_EQ(Decoder.LastErrMsg(), "file not loaded.");
  TFileStreamInfo File = Decoder.FileStreamInfo();
  EXPECT_EQ(File.StartTime, AV_NOPTS_VALUE);
  EXPECT_EQ(File.Duration, -1);
  EXPECT_EQ(File.Year, -1);
  EXPECT_EQ(File.Title, "");
}

TEST_F(FFDecodeProbeTest, AMissingFileFailsWithTheOpenErrorAndLeavesNothingOpen) {
  ASSERT_TRUE(Decoder.LoadFile(decoder_media::MakeMp4(Folder())));
  std::string Missing = Folder() + "/missing.mp4";
  EXPECT_FALSE(Decoder.LoadFile(Missing));
  EXPECT_EQ(Decoder.LastErrMsg(), Missing + ": No such file or directory");
  EXPECT_EQ(Decoder.FileHandle(), nullptr);
  EXPECT_EQ(Decoder.StreamCount(), -1);
  EXPECT_EQ(Decoder.FirstVideoStreamIndex(), -1);
}

// "unicode:" and a name that holds a colon and letters beyond ASCII: the decoder opens
// it through the engine's protocol, and a missing one fails with the system's reason.
TEST_F(FFDecodeProbeTest, AUnicodeNameWithAColonAndNonAsciiLettersOpens) {
  const std::string Named = Folder() + "/Überblick: Größe ✓.mp4";
  std::filesystem::rename(decoder_media::MakeMp4(Folder()), Named);
  ASSERT_TRUE(Decoder.LoadFile("unicode:" + Named)) << Decoder.LastErrMsg();
  EXPECT_EQ(Decoder.VideoStreamCount(), 1);
  EXPECT_EQ(Decoder.AudioStreamCount(), 1);
  EXPECT_GT(Decoder.FileSize(), 0);
  EXPECT_TRUE(Decoder.Decode(Decoder.FirstVideoStreamIndex()));
  Decoder.CloseFile();

  const std::string Missing = Folder() + "/fehlt: ö.mp4";
  EXPECT_FALSE(Decoder.LoadFile("unicode:" + Missing));
  EXPECT_EQ(Decoder.LastErrMsg(), "unicode:" + Missing + ": No such file or directory");
  EXPECT_EQ(Decoder.FileHandle(), nullptr);
}

TEST_F(FFDecodeProbeTest, AnUnknownForcedFormatIsNamed) {
  EXPECT_FALSE(Decoder.LoadFile(decoder_media::MakeMp4(Folder()), "nosuchformat"));
  EXPECT_EQ(Decoder.LastErrMsg(), "Unknown input format: nosuchformat");
  EXPECT_TRUE(WasLogged("Unknown input format: nosuchformat"));
}

TEST_F(FFDecodeProbeTest, AForcedFormatIsKeptUntilTheFileCloses) {
  std::string File = decoder_media::MakeMp4(Folder());
  ASSERT_TRUE(Decoder.LoadFile(File, "mp4"));
  EXPECT_EQ(Decoder.ForceFormat(), "mp4");
  Decoder.CloseFile();
  EXPECT_EQ(Decoder.ForceFormat(), "");
}

TEST_F(FFDecodeProbeTest, AnOptionTheFormatDoesNotTakeIsReportedAndTheFileOpens) {
  std::string File = decoder_media::MakeMatroska(Folder());
  ASSERT_TRUE(Decoder.opt_default("ignore_editlist", "1"));  // a MP4 demuxer option
  EXPECT_TRUE(Decoder.LoadFile(File)) << Decoder.LastErrMsg();
  EXPECT_TRUE(WasLogged("Option ignore_editlist not found, ignored."));
  // The option served that one open only.
  LogLines.clear();
  EXPECT_TRUE(Decoder.LoadFile(File));
  EXPECT_FALSE(WasLogged("Option ignore_editlist not found, ignored."));
}

TEST_F(FFDecodeProbeTest, StreamRecordsOfTheWrongKindStayReset) {
  ASSERT_TRUE(Decoder.LoadFile(decoder_media::MakeMatroska(Folder())));
  struct TCase {
    int Index;
    const char* Message;
  } Cases[] = {{0, "stream #0 is not audio stream."},
               {4, "stream #4 is not audio stream."},
               {5, "stream index #5 is invalid."}};
  for (const TCase& Case : Cases) {
    TAudioStreamInfo Info;
    Info.Channels = 99;
    EXPECT_FALSE(Decoder.GetAudioStreamInfo(Case.Index, Info));
    EXPECT_EQ(Decoder.LastErrMsg(), Case.Message);
    EXPECT_EQ(Info.Channels, -1);
    EXPECT_EQ(Info.Duration, -1);
    EXPECT_EQ(Info.CodecName, "");
  }
  TVideoStreamInfo Video;
  EXPECT_FALSE(Decoder.GetVideoStreamInfo(2, Video));
  EXPECT_EQ(Decoder.LastErrMsg(), "stream #2 is not video stream.");
  EXPECT_EQ(Video.FrameRate.num, -1);
  EXPECT_FLOAT_EQ(Video.AspectRatio, -1.0f);
  EXPECT_FALSE(Decoder.IsVideoStream(7));
  EXPECT_EQ(Decoder.LastErrMsg(), "stream index #7 is invalid.");
  EXPECT_EQ(Decoder.FirstAudioStreamInfo().SampleRate, 44100);
  EXPECT_EQ(Decoder.FirstSubtitleStreamInfo().Language, "eng");

  ASSERT_TRUE(Decoder.LoadFile(decoder_media::MakeWav(Folder())));
  TSubtitleStreamInfo Subtitle;
  EXPECT_FALSE(Decoder.GetSubtitleStreamInfo(-1, Subtitle));
  EXPECT_EQ(Decoder.LastErrMsg(), "no subtitle stream.");
}

TEST_F(FFDecodeProbeTest, AnAdoptedContextIsDescribedButNeitherClosedNorDecoded) {
  TFFDecoder Owner(nullptr);
  ASSERT_TRUE(Owner.LoadFile(decoder_media::MakeMp4(Folder())));
  Decoder.SetFileHandle(Owner.FileHandle());
  EXPECT_EQ(Decoder.StreamCount(), 2);
  EXPECT_EQ(Decoder.FirstVideoStreamInfo().Width, 320);
  EXPECT_NE(Decoder.FileInfoText().find("Stream #1"), String::npos);
  try {
    Decoder.Decode();
    ADD_FAILURE() << "decoding an adopted context must raise";
  } catch (const Exception& E) {
    EXPECT_EQ(E.Message(), "file cannot be seeked, handle is readonly.");
  }
  Decoder.SetFileHandle(nullptr);
  EXPECT_EQ(Decoder.StreamCount(), -1);
  // The owner's context is still open and decodes.
  EXPECT_TRUE(Owner.Decode()) << Owner.LastErrMsg();
}

TEST_F(FFDecodeProbeTest, BeforeFindStreamInfoSeesTheOpenedContext) {
  AVFormatContext* Seen = nullptr;
  Decoder.TriggerEventInMainThread = false;
  Decoder.OnBeforeFindStreamInfo = [&](TObject* Sender, AVFormatContext* AContext) {
    EXPECT_EQ(Sender, &Decoder);
    EXPECT_EQ(AContext->nb_streams, 2u);  // MP4 knows its streams before probing
    Seen = AContext;
  };
  ASSERT_TRUE(Decoder.LoadFile(decoder_media::MakeMp4(Folder())));
  EXPECT_EQ(Seen, Decoder.FileHandle());
}

// Without an average rate a codec rate other than the stream's base rate is told; a
// stream with an average rate says nothing of it.
TEST_F(DecoderTest, ACodecRateOtherThanTheBaseRateIsLoggedWhenTheStreamHasNoAverageRate) {
  ASSERT_TRUE(Decoder.LoadFile(decoder_media::MakeMp4(Folder()))) << Decoder.LastErrMsg();
  ASSERT_TRUE(Decoder.Decode()) << Decoder.LastErrMsg();
  EXPECT_FALSE(std::any_of(LogLines.begin(), LogLines.end(),
                           [](const String& ALine) { return ALine.starts_with("Seems stream"); }));
  ASSERT_TRUE(Decoder.LoadFile(decoder_media::MakeSinglePictureRateMismatchNut(Folder())))
      << Decoder.LastErrMsg();
  ASSERT_TRUE(Decoder.Decode()) << Decoder.LastErrMsg();
  EXPECT_TRUE(
      WasLogged("Seems stream 0 codec frame rate differs from container frame rate: "
                "100.00 (100/1) -> 25.00 (25/1)"));
}

}  // namespace
