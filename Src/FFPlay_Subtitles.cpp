// Subtitles of the player: the subtitle thread decodes graphic subtitles into a queue
// of four (their palettes turned into YUVA), the refresh passes the ones whose time is
// over, and the display blends the current one into the picture.

#include <algorithm>

#include "Src/FFPlay.h"
#include "Src/FFPlay_StateInternal.h"

namespace {

// RGBA to YUVA with the video levels; the entry becomes alpha, Y, U, V from the highest
// byte down.
uint32_t PaletteEntryToYUVA(uint32_t ARGBA) {
  const int A = (ARGBA >> 24) & 0xFF, R = (ARGBA >> 16) & 0xFF, G = (ARGBA >> 8) & 0xFF, B = ARGBA & 0xFF;
  const int Y = (263 * R + 517 * G + 101 * B + 16896) >> 10;
  const int U = ((-152 * R - 298 * G + 450 * B + 511) >> 10) + 128;
  const int V = ((450 * R - 377 * G - 74 * B + 511) >> 10) + 128;
  return (static_cast<uint32_t>(A) << 24) | (static_cast<uint32_t>(Y) << 16) |
         (static_cast<uint32_t>(U) << 8) | static_cast<uint32_t>(V);
}

uint8_t AlphaBlend(int AAlpha, int AOld, int ANew) {
  return static_cast<uint8_t>((AOld * (255 - AAlpha) + ANew * AAlpha) / 255);
}

// Blends one graphic subtitle rectangle (palette already YUVA) into a YUV 4:2:0
// picture, clipped to it: each luma sample takes the entry's Y by its alpha; each
// chroma sample the average U and V of the rectangle's pixels over it, by their
// average alpha.
void BlendSubrect(AVFrame* APicture, const AVSubtitleRect& ARect) {
  const auto* Palette = reinterpret_cast<const uint32_t*>(ARect.data[1]);
  const int Left = std::max(ARect.x, 0), Top = std::max(ARect.y, 0);
  const int Right = std::min(ARect.x + ARect.w, APicture->width),
            Bottom = std::min(ARect.y + ARect.h, APicture->height);
  if (Left >= Right || Top >= Bottom) return;
  auto Entry = [&](int AX, int AY) {
    return Palette[ARect.data[0][(AY - ARect.y) * ARect.linesize[0] + AX - ARect.x]];
  };
  for (int Y = Top; Y < Bottom; ++Y) {
    uint8_t* Luma = APicture->data[0] + Y * APicture->linesize[0];
    for (int X = Left; X < Right; ++X) {
      const uint32_t E = Entry(X, Y);
      Luma[X] = AlphaBlend(E >> 24, Luma[X], (E >> 16) & 0xFF);
    }
  }
  for (int CY = Top / 2; CY <= (Bottom - 1) / 2; ++CY) {
    uint8_t* Cb = APicture->data[1] + CY * APicture->linesize[1];
    uint8_t* Cr = APicture->data[2] + CY * APicture->linesize[2];
    for (int CX = Left / 2; CX <= (Right - 1) / 2; ++CX) {
      int Count = 0, SumA = 0, SumU = 0, SumV = 0;
      for (int Y = 2 * CY; Y < 2 * CY + 2; ++Y)
        for (int X = 2 * CX; X < 2 * CX + 2; ++X) {
          if (X < Left || X >= Right || Y < Top || Y >= Bottom) continue;
          const uint32_t E = Entry(X, Y);
          ++Count;
          SumA += E >> 24;
          SumU += (E >> 8) & 0xFF;
          SumV += E & 0xFF;
        }
      if (!Count) continue;
      Cb[CX] = AlphaBlend(SumA / Count, Cb[CX], SumU / Count);
      Cr[CX] = AlphaBlend(SumA / Count, Cr[CX], SumV / Count);
    }
  }
}

}  // namespace

int TCustomPlayer::SubtitleThreadEntry(void* AState) {
  auto* is = static_cast<TVideoState*>(AState);
  return is->Owner->SubtitleThread(is);
}

int TCustomPlayer::SubtitleThread(TVideoState* is) {
  for (;;) {
    while (is->paused && !is->subtitleq.abort_request() && !is->seek_paused) FSDL.SDL_Delay(10);
    TPacketQueue::TEntry Entry;
    if (is->subtitleq.Get(Entry, true) < 0) break;
    if (Entry.IsFlush) {
      FF.avcodec_flush_buffers(is->subtitle_dec.get());
      continue;
    }
    AVPacket* Packet = Entry.Packet.get();
    {
      TSDLMutexLock Lock(FSDL, is->subpq_mutex);
      while (is->subpq_size >= SUBPICTURE_QUEUE_SIZE && !is->subtitleq.abort_request())
        FSDL.SDL_CondWait(is->subpq_cond, is->subpq_mutex);
    }
    if (is->subtitleq.abort_request()) break;
    TSubPicture& sp = is->subpq[is->subpq_windex];
    sp.pts = Packet->pts != AV_NOPTS_VALUE ? Packet->pts * av_q2d(is->subtitle_st->time_base) : 0;
    int Got = 0;
    const int Decoded = FF.avcodec_decode_subtitle2(is->subtitle_dec.get(), &sp.sub, &Got, Packet);
    if (Decoded < 0 || !Got) continue;
    if (sp.sub.format != 0) {
      // Only graphic subtitles are drawn.
      FF.avsubtitle_free(&sp.sub);
      continue;
    }
    for (unsigned I = 0; I < sp.sub.num_rects; ++I) {
      AVSubtitleRect* Rect = sp.sub.rects[I];
      auto* Palette = reinterpret_cast<uint32_t*>(Rect->data[1]);
      for (int J = 0; Palette && J < Rect->nb_colors; ++J) Palette[J] = PaletteEntryToYUVA(Palette[J]);
    }
    is->subpq_windex = (is->subpq_windex + 1) % SUBPICTURE_QUEUE_SIZE;
    TSDLMutexLock Lock(FSDL, is->subpq_mutex);
    ++is->subpq_size;
  }
  return 0;
}

// On the play thread, before a picture is shown.
void TCustomPlayer::ExpireSubtitles(TVideoState* is) {
  if (!is->subtitle_st) return;
  TSDLMutexLock Lock(FSDL, is->subpq_mutex);
  if (is->subtitle_stream_changed) {
    while (is->subpq_size) {
      FF.avsubtitle_free(&is->subpq[is->subpq_rindex].sub);
      is->subpq_rindex = (is->subpq_rindex + 1) % SUBPICTURE_QUEUE_SIZE;
      --is->subpq_size;
    }
    is->subtitle_stream_changed = 0;
    FSDL.SDL_CondSignal(is->subpq_cond);
  } else if (is->subpq_size > 0) {
    TSubPicture& sp = is->subpq[is->subpq_rindex];
    TSubPicture* Next =
        is->subpq_size > 1 ? &is->subpq[(is->subpq_rindex + 1) % SUBPICTURE_QUEUE_SIZE] : nullptr;
    const double Clock = is->video_current_pts;
    if (Clock > sp.pts + sp.sub.end_display_time / 1000.0 ||
        (Next && Clock > Next->pts + Next->sub.start_display_time / 1000.0)) {
      FF.avsubtitle_free(&sp.sub);
      is->subpq_rindex = (is->subpq_rindex + 1) % SUBPICTURE_QUEUE_SIZE;
      --is->subpq_size;
      FSDL.SDL_CondSignal(is->subpq_cond);
    }
  }
}

// Once per queued picture, when it is first shown: redraws take the picture on screen,
// which keeps the subtitle it has, instead of blending it in once more.
void TCustomPlayer::BlendSubtitles(TVideoState* is, TVideoPicture& APicture) {
  if (!is->subtitle_st) return;
  TSDLMutexLock Lock(FSDL, is->subpq_mutex);
  if (is->subpq_size > 0) {
    TSubPicture& sp = is->subpq[is->subpq_rindex];
    if (APicture.pts >= sp.pts + sp.sub.start_display_time / 1000.0 &&
        FF.av_frame_make_writable(APicture.overlay.get()) >= 0) {
      for (unsigned I = 0; I < sp.sub.num_rects; ++I) BlendSubrect(APicture.overlay.get(), *sp.sub.rects[I]);
    }
  }
}

void TCustomPlayer::FreeSubtitleQueue(TVideoState* is) {
  for (TSubPicture& sp : is->subpq) FF.avsubtitle_free(&sp.sub);
  is->subpq_size = 0;
}
