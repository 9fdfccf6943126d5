// Chapters and metadata of a new output: copied from the inputs, mapped by
// "-map_metadata" and set by "-metadata".

#include <algorithm>
#include <climits>

#include "Src/FFmpeg.h"

namespace {

// The metadata of what AMap names in AContext, or nullptr with the kind of the invalid
// index in AKind.
AVDictionary** MetadataOf(AVFormatContext* AContext, const TMetadataMap& AMap, const char*& AKind) {
  auto Valid = [&AMap](unsigned ACount, const char* AName, const char*& AKindOf) {
    AKindOf = AName;
    return AMap.index >= 0 && static_cast<unsigned>(AMap.index) < ACount;
  };
  switch (AMap.type_) {
    case 's':
      return Valid(AContext->nb_streams, "stream", AKind) ? &AContext->streams[AMap.index]->metadata
                                                          : nullptr;
    case 'c':
      return Valid(AContext->nb_chapters, "chapter", AKind) ? &AContext->chapters[AMap.index]->metadata
                                                            : nullptr;
    case 'p':
      return Valid(AContext->nb_programs, "program", AKind) ? &AContext->programs[AMap.index]->metadata
                                                            : nullptr;
    default:
      return &AContext->metadata;
  }
}

}  // namespace

int TCustomFFmpeg::SelectChapters(TOptionsContext& o, TOutputFile& AOutput) {
  int Input = o.chapters_input_file;
  if (Input >= static_cast<int>(Finput_files.size())) {
    if (Input != INT_MAX) return FailOutput(Format("Invalid input file index %d in chapter mapping.", Input));
    Input = -1;
    for (size_t I = 0; I < Finput_files.size() && Input < 0; I++)
      if (Finput_files[I]->ctx->nb_chapters > 0) Input = static_cast<int>(I);
  }
  if (Input < 0) return 0;
  int Error = CopyChapters(*Finput_files[Input], AOutput, !o.metadata_chapters_manual);
  return Error < 0 ? FailOutput(ErrorToText(AOutput.target->FileName(), Error)) : 0;
}

int TCustomFFmpeg::CopyChapters(const TInputFile& AInput, TOutputFile& AOutput, bool ACopyMetadata) {
  AVFormatContext* Output = AOutput.ctx;
  for (unsigned I = 0; I < AInput.ctx->nb_chapters; I++) {
    const AVChapter* Chapter = AInput.ctx->chapters[I];
    int64_t Offset =
        FF.av_rescale_q(AOutput.start_time - AInput.ts_offset, AV_TIME_BASE_Q, Chapter->time_base);
    int64_t Limit = AOutput.recording_time == INT64_MAX
                        ? INT64_MAX
                        : FF.av_rescale_q(AOutput.recording_time, AV_TIME_BASE_Q, Chapter->time_base);
    if (Chapter->end < Offset) continue;
    if (Limit != INT64_MAX && Chapter->start > Limit + Offset) break;

    auto* Copy = static_cast<AVChapter*>(FF.av_mallocz(sizeof(AVChapter)));
    if (!Copy) return AVERROR(ENOMEM);
    Copy->id = Chapter->id;
    Copy->time_base = Chapter->time_base;
    Copy->start = std::max<int64_t>(0, Chapter->start - Offset);
    Copy->end = std::min(Limit, Chapter->end - Offset);
    if (ACopyMetadata) FF.av_dict_copy(&Copy->metadata, Chapter->metadata, 0);
    void* Grown = FF.av_realloc(Output->chapters, sizeof(AVChapter*) * (Output->nb_chapters + 1));
    if (!Grown) {
      FF.av_dict_free(&Copy->metadata);
      FF.av_free(Copy);
      return AVERROR(ENOMEM);
    }
    Output->chapters = static_cast<AVChapter**>(Grown);
    Output->chapters[Output->nb_chapters++] = Copy;  // freed with the context
  }
  return 0;
}

int TCustomFFmpeg::ApplyMetadataMaps(TOptionsContext& o, AVFormatContext* AContext) {
  for (const TMetadataMapPair& Pair : o.meta_data_maps) {
    const TMetadataMap& Input = Pair[1];
    if (Input.file_idx < 0) continue;
    if (Input.file_idx >= static_cast<int>(Finput_files.size()))
      return FailOutput(
          Format("Invalid %s index %d while processing metadata maps", "input file", Input.file_idx));
    const char* Kind = "";
    AVDictionary** Destination = MetadataOf(AContext, Pair[0], Kind);
    if (!Destination)
      return FailOutput(Format("Invalid %s index %d while processing metadata maps", Kind, Pair[0].index));
    AVDictionary** Source = MetadataOf(Finput_files[Input.file_idx]->ctx, Input, Kind);
    if (!Source)
      return FailOutput(Format("Invalid %s index %d while processing metadata maps", Kind, Input.index));
    FF.av_dict_copy(Destination, *Source, AV_DICT_DONT_OVERWRITE);
  }
  return 0;
}

void TCustomFFmpeg::CopyDefaultMetadata(TOptionsContext& o, AVFormatContext* AContext,
                                        const TOutputFile& AOutput) {
  if (!o.metadata_global_manual && !Finput_files.empty()) {
    FF.av_dict_copy(&AContext->metadata, Finput_files[0]->ctx->metadata, AV_DICT_DONT_OVERWRITE);
    // The input's duration would be wrong for a limited output.
    if (o.recording_time != INT64_MAX) FF.av_dict_set(&AContext->metadata, "duration", nullptr, 0);
  }
  if (o.metadata_streams_manual) return;
  for (size_t I = AOutput.ost_index; I < Foutput_streams.size(); I++) {
    const TOutputStream& Stream = *Foutput_streams[I];
    if (Stream.source_index >= 0)
      FF.av_dict_copy(&Stream.st->metadata, Finput_streams[Stream.source_index]->st->metadata,
                      AV_DICT_DONT_OVERWRITE);
  }
}

int TCustomFFmpeg::ApplyMetadataOptions(TOptionsContext& o, AVFormatContext* AContext) {
  for (const TSpecifierOpt& Entry : o.metadata) {
    const String& Text = std::get<String>(Entry.u);
    size_t Equal = Text.find('=');
    if (Equal == String::npos) return FailOutput(Format("No \"=\" character in metadata string %s.", Text));
    TMetadataMap Target;
    if (!ReadMetadataType(Entry.specifier, Target)) return -1;  // which has set and logged the message
    AVDictionary** Destination = nullptr;
    switch (Target.type_) {
      case 'g':
        Destination = &AContext->metadata;
        break;
      case 's':
        if (Target.index < 0 || Target.index >= static_cast<int>(AContext->nb_streams))
          return FailOutput(Format("Invalid stream index %d in metadata specifier.", Target.index));
        Destination = &AContext->streams[Target.index]->metadata;
        break;
      case 'c':
        if (Target.index < 0 || Target.index >= static_cast<int>(AContext->nb_chapters))
          return FailOutput(Format("Invalid chapter index %d in metadata specifier.", Target.index));
        Destination = &AContext->chapters[Target.index]->metadata;
        break;
      default:
        return FailOutput(Format("Invalid metadata specifier %s.", Entry.specifier));
    }
    String Value = Text.substr(Equal + 1);
    FF.av_dict_set(Destination, Text.substr(0, Equal).c_str(), Value.empty() ? nullptr : Value.c_str(), 0);
  }
  return 0;
}
