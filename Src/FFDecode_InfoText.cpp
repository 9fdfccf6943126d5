// FileInfoText: the open file described in the manner of the converter's listing of
// an input. Built afresh from the format context on every read.

#include <cmath>
#include <cstdlib>
#include <vector>

#include "Src/FFDecode.h"
#include "Src/MyUtils.h"

namespace {

constexpr size_t MetadataValueLimit = 255;
constexpr int CodecTextLimit = 256;

// A metadata value on one line of at most 255 bytes.
String MetadataValueText(const char* AValue) {
  String Value = String(AValue).substr(0, MetadataValueLimit);
  for (char& C : Value)
    if (C == '\r') C = ' ';
  return Value;
}

void AddMetadataBlock(std::vector<String>& ALines, const AVDictionary* AMetadata, const String& AIndent) {
  if (!AMetadata) return;
  const AVDictionaryEntry* Entry = nullptr;
  if (FF.av_dict_count(AMetadata) == 1) {
    Entry = FF.av_dict_get(AMetadata, "", nullptr, AV_DICT_IGNORE_SUFFIX);
    if (String(Entry->key) == "language") return;
    Entry = nullptr;
  }
  ALines.push_back(AIndent + "Metadata:");
  while ((Entry = FF.av_dict_get(AMetadata, "", Entry, AV_DICT_IGNORE_SUFFIX)))
    if (String(Entry->key) != "language")
      ALines.push_back(Format("%s  %-16s: %s", AIndent, Entry->key, MetadataValueText(Entry->value)));
}

// A time as seconds with six decimals. The sign stands in front, so that half a second
// before the start reads -0.500000 and not 0.500000.
String StartText(int64_t ATime, AVRational ATimeBase) {
  if (ATime == AV_NOPTS_VALUE) return "";
  int64_t Microseconds =
      av_cmp_q(ATimeBase, AV_TIME_BASE_Q) == 0 ? ATime : FF.av_rescale_q(ATime, ATimeBase, AV_TIME_BASE_Q);
  const char* Sign = Microseconds < 0 ? "-" : "";
  int64_t Magnitude = std::llabs(Microseconds);
  return Format("%s%d.%.6d", Sign, Magnitude / AV_TIME_BASE, Magnitude % AV_TIME_BASE);
}

String FrameRateText(AVRational ARate, const char* AUnit) {
  if (ARate.num == 0 || ARate.den == 0) return "";
  double Rate = av_q2d(ARate);
  long long Hundredths = std::llround(Rate * 100);
  if (Hundredths % 100 != 0) return Format(", %3.2f %s", Rate, AUnit);
  if (Hundredths % 100000 != 0) return Format(", %1.0f %s", Rate, AUnit);
  return Format(", %1.0fk %s", Rate / 1000, AUnit);
}

String CodecDescription(const AVCodecParameters* AParameters) {
  AVCodecContext* Context = FF.avcodec_alloc_context3(nullptr);
  if (!Context) return "";
  char Text[CodecTextLimit] = "";
  if (FF.avcodec_parameters_to_context(Context, AParameters) >= 0)
    FF.avcodec_string(Text, sizeof(Text), Context, 0);
  FF.avcodec_free_context(&Context);
  return Text;
}

String DispositionText(int ADisposition) {
  static const struct {
    int Bit;
    const char* Text;
  } Marks[] = {{AV_DISPOSITION_DEFAULT, " (default)"},
               {AV_DISPOSITION_DUB, " (dub)"},
               {AV_DISPOSITION_ORIGINAL, " (original)"},
               {AV_DISPOSITION_COMMENT, " (comment)"},
               {AV_DISPOSITION_LYRICS, " (lyrics)"},
               {AV_DISPOSITION_KARAOKE, " (karaoke)"},
               {AV_DISPOSITION_FORCED, " (forced)"},
               {AV_DISPOSITION_HEARING_IMPAIRED, " (hearing impaired)"},
               {AV_DISPOSITION_VISUAL_IMPAIRED, " (visual impaired)"},
               {AV_DISPOSITION_CLEAN_EFFECTS, " (clean effects)"}};
  String Text;
  for (const auto& Mark : Marks)
    if (ADisposition & Mark.Bit) Text += Mark.Text;
  return Text;
}

void AddStreamLine(std::vector<String>& ALines, const AVFormatContext* AContext, int AIndex) {
  const AVStream* Stream = AContext->streams[AIndex];
  const AVCodecParameters* Parameters = Stream->codecpar;
  String Line = Format("  Stream #%d", AIndex);
  if (AContext->iformat->flags & AVFMT_SHOW_IDS) Line += Format("[0x%x]", Stream->id);
  String Language = GetMetadataValue(Stream->metadata, "language", "");
  if (!Language.empty()) Line += Format("(%s)", Language);
  int64_t Divisor = FF.av_gcd(Stream->time_base.num, Stream->time_base.den);
  if (Divisor == 0) Divisor = 1;
  Line += Format(", %d/%d", Stream->time_base.num / Divisor, Stream->time_base.den / Divisor);
  Line += ": " + CodecDescription(Parameters);

  AVRational StreamShape = Stream->sample_aspect_ratio;
  if (StreamShape.num != 0 && av_cmp_q(StreamShape, Parameters->sample_aspect_ratio) != 0) {
    int DisplayWidth = 0, DisplayHeight = 0;
    FF.av_reduce(&DisplayWidth, &DisplayHeight, int64_t{Parameters->width} * StreamShape.num,
                 int64_t{Parameters->height} * StreamShape.den, 1024 * 1024);
    Line += Format(", SAR %d:%d DAR %d:%d", StreamShape.num, StreamShape.den, DisplayWidth, DisplayHeight);
  }
  if (Parameters->codec_type == AVMEDIA_TYPE_VIDEO) {
    Line += FrameRateText(Stream->avg_frame_rate, "fps");
    Line += FrameRateText(Stream->r_frame_rate, "tbr");
    Line += FrameRateText(av_inv_q(Stream->time_base), "tbn");
  }
  Line += DispositionText(Stream->disposition);
  if (Stream->start_time != AV_NOPTS_VALUE)
    Line += ", start: " + StartText(Stream->start_time, Stream->time_base);
  if (Stream->duration != AV_NOPTS_VALUE)
    Line += ", duration: " + TimestampToText(Stream->duration, Stream->time_base);
  ALines.push_back(Line);
  AddMetadataBlock(ALines, Stream->metadata, "  ");
}

String DurationLine(const AVFormatContext* AContext) {
  String Line = "Duration: " + DurationToText(AContext->duration);
  if (AContext->start_time != AV_NOPTS_VALUE)
    Line += ", start: " + StartText(AContext->start_time, AV_TIME_BASE_Q);
  Line += ", bitrate: ";
  Line += AContext->bit_rate > 0 ? Format("%d kb/s", AContext->bit_rate / 1000) : String("N/A");
  return Line;
}

void AddChapters(std::vector<String>& ALines, const AVFormatContext* AContext) {
  for (unsigned I = 0; I < AContext->nb_chapters; ++I) {
    const AVChapter* Chapter = AContext->chapters[I];
    double Unit = av_q2d(Chapter->time_base);
    ALines.push_back(Format("Chapter #%d: ", I) + Format("start %.6f, ", Chapter->start * Unit) +
                     Format("end %.6f", Chapter->end * Unit));
    AddMetadataBlock(ALines, Chapter->metadata, "  ");
  }
}

// The programs with their streams, then every stream no program lists.
void AddStreams(std::vector<String>& ALines, const AVFormatContext* AContext) {
  std::vector<bool> Listed(AContext->nb_streams, false);
  if (AContext->nb_programs > 0) {
    unsigned ListedCount = 0;
    for (unsigned P = 0; P < AContext->nb_programs; ++P) {
      const AVProgram* Program = AContext->programs[P];
      ALines.push_back(Format("Program %d %s", Program->id, GetMetadataValue(Program->metadata, "name", "")));
      AddMetadataBlock(ALines, Program->metadata, "  ");
      for (unsigned S = 0; S < Program->nb_stream_indexes; ++S) {
        unsigned Index = Program->stream_index[S];
        if (Index >= AContext->nb_streams) continue;
        AddStreamLine(ALines, AContext, static_cast<int>(Index));
        Listed[Index] = true;
        ++ListedCount;
      }
    }
    if (ListedCount < AContext->nb_streams) ALines.push_back("No Program");
  }
  for (unsigned I = 0; I < AContext->nb_streams; ++I)
    if (!Listed[I]) AddStreamLine(ALines, AContext, static_cast<int>(I));
}

}  // namespace

String TCustomDecoder::FileInfoText() {
  if (!CheckFileLoaded()) return "";
  const AVFormatContext* Context = FFileHandle;
  std::vector<String> Lines;
  Lines.push_back(Format("File Name: %s", Context->url ? Context->url : ""));
  Lines.push_back(Format("Format Name: %s", Context->iformat->name));
  if (Context->iformat->long_name)
    Lines.push_back(Format("Format Long Name: %s", Context->iformat->long_name));
  Lines.push_back("File Size: " + FormatByteSize(FFileSize));
  AddMetadataBlock(Lines, Context->metadata, "");
  Lines.push_back(DurationLine(Context));
  AddChapters(Lines, Context);
  AddStreams(Lines, Context);

  String Text;
  for (const String& Line : Lines) Text += Line + "\r\n";
  return Text;
}
