// The join set-up: one output segment per further input, all writing one after another
// into the output of the first.

#include "Src/FFmpeg.h"

int TCustomFFmpeg::JoinOutputs() {
  Assert(FJoinMode);
  Fnb_output_streams_join = static_cast<int>(Foutput_files[0]->ctx->nb_streams);
  for (size_t Input = 1; Input < Finput_files.size(); Input++)
    if (AddJoinOutput(static_cast<int>(Input)) < 0) {
      ResetOptionState(false);
      return -1;
    }
  int64_t Total = 0;
  for (const auto& Input : Finput_files)
    if (Input->ctx->duration != AV_NOPTS_VALUE) Total += Input->ctx->duration;
  FOutputDuration = Total > 0 ? Total : -1;
  ResetOptionState(false);
  return 0;
}

// Segment AInputFile: copies of the first segment's stream records, fed by the streams
// of that input that the output's selection (automatic or by maps) picks.
int TCustomFFmpeg::AddJoinOutput(int AInputFile) {
  const size_t Count = static_cast<size_t>(Fnb_output_streams_join);
  const size_t First = Foutput_streams.size();
  for (size_t I = 0; I < Count; I++) {
    auto Copy = std::make_unique<TOutputStream>(*Foutput_streams[I]);
    Copy->file_index = static_cast<int>(Foutput_files.size());
    Copy->source_index = -1;
    Copy->sync_ist = -1;
    Foutput_streams.push_back(std::move(Copy));
  }

  std::vector<TSourceChoice> Sources;
  if (optctx.stream_maps.empty())
    Sources = AutomaticSources(optctx, Foutput_files[0]->ctx->oformat, AInputFile);
  else if (!MappedSources(optctx, AInputFile, Sources))
    return -1;
  // A stream for which the first segment has no free record of its kind is passed
  // over: the joined output has only the streams of the first input.
  for (const TSourceChoice& Source : Sources)
    if (TOutputStream* Record = FindJoinStream(Source.Type, First)) UseSource(*Record, Source);

  auto Segment = std::make_unique<TOutputFile>(*Foutput_files[0]);
  Segment->ost_index = static_cast<int>(Foutput_streams.size() - Count);
  Foutput_files.push_back(std::move(Segment));
  return static_cast<int>(Foutput_files.size()) - 1;
}

TOutputStream* TCustomFFmpeg::FindJoinStream(AVMediaType AType, size_t AFirstRecord) {
  for (size_t I = AFirstRecord; I < Foutput_streams.size(); I++) {
    TOutputStream& Record = *Foutput_streams[I];
    if (Record.st->codecpar->codec_type == AType && Record.source_index < 0) return &Record;
  }
  return nullptr;
}
