// What the set-up logs: the outputs, the stream mapping and the session description.

#include <vector>

#include "Src/FFmpeg.h"

void TCustomFFmpeg::DumpStreamMapping() {
  const size_t Files = FJoinMode ? 1 : Foutput_files.size();
  for (size_t I = 0; I < Files; I++)
    FF.av_dump_format(Foutput_files[I]->ctx, static_cast<int>(I), Foutput_files[I]->ctx->url, 1);

  Log(llInfo, "Stream mapping:");
  for (const auto& Stream : Foutput_streams) {
    const int FileIndex = FJoinMode ? 0 : Stream->file_index;
    if (Stream->st->codecpar->codec_type == AVMEDIA_TYPE_ATTACHMENT) {
      Log(llInfo,
          Format("  File %s -> Stream #%d:%d", Stream->attachment_filename, FileIndex, Stream->index));
      continue;
    }
    if (Stream->source_index < 0) continue;
    const TInputStream& Source = *Finput_streams[Stream->source_index];
    String Line =
        Format("  Stream #%d:%d -> #%d:%d", Source.file_index, Source.st->index, FileIndex, Stream->index);
    if (Stream->audio_channels_mapped) {
      Line += " [ch:";
      for (int I = 0; I < Stream->audio_channels_mapped; I++)
        Line +=
            Stream->audio_channels_map[I] == -1 ? String(" M") : Format(" %d", Stream->audio_channels_map[I]);
      Line += "]";
    }
    if (Stream->sync_ist >= 0 && Stream->sync_ist != Stream->source_index) {
      const TInputStream& Sync = *Finput_streams[Stream->sync_ist];
      Line += Format(" [sync #%d:%d]", Sync.file_index, Sync.st->index);
    }
    if (Stream->stream_copy)
      Line += " (copy)";
    else
      Line += Format(" (%s -> %s)", Source.avdec ? Source.avdec->name : "?",
                     Stream->enc ? Stream->enc->name : "?");
    Line += Format(" (%s)", MediaTypeName(Stream->st->codecpar->codec_type));
    Log(llInfo, Line);
  }
}

void TCustomFFmpeg::LogSdp() {
  std::vector<AVFormatContext*> Contexts;
  for (const auto& File : Foutput_files) Contexts.push_back(File->ctx);
  char Text[2048] = {};
  FF.av_sdp_create(Contexts.data(), static_cast<int>(Contexts.size()), Text, sizeof(Text));
  Log(llInfo, "SDP:\r\n" + Trim(Text));
}
