// The audio display of the player: the waveform (show mode 1) and the spectrum (show
// mode 2) of the samples the device is playing, drawn into the surface on the play
// thread.

#include <algorithm>
#include <climits>
#include <cmath>

#include "Src/FFPlay.h"
#include "Src/FFPlay_StateInternal.h"
#include "platform/base/Clock.h"

namespace {

constexpr uint32_t White = 0xFFFFFFFF;

int ComputeMod(int A, int B) { return A < 0 ? A % B + B : A % B; }

}  // namespace

void TCustomPlayer::VideoAudioDisplay(TVideoState* is) {
  const int Channels = is->audio_tgt_ch_layout.nb_channels;
  if (Channels <= 0 || is->width <= 0 || is->height <= 0) return;
  int RdftBits = 1;
  while ((1 << RdftBits) < 2 * is->height) ++RdftBits;
  const int Frequencies = 1 << (RdftBits - 1);

  int Start;
  if (!is->paused) {
    // Back from the newest sample by what the device has not played yet.
    const int DataUsed = is->show_mode == 1 ? is->width : 2 * Frequencies;
    int Delay = is->audio_write_buf_size / (2 * Channels);
    if (const int64_t CallbackTime = Faudio_callback_time) {
      const int64_t Elapsed = MonotonicMicroseconds() - CallbackTime;
      Delay -= static_cast<int>(Elapsed * is->audio_tgt_freq / 1000000);
    }
    Delay += 2 * DataUsed;
    if (Delay < DataUsed) Delay = DataUsed;
    Start = ComputeMod(is->sample_array_index - Delay * Channels, SAMPLE_ARRAY_SIZE);
    if (is->show_mode == 1) {
      // The steepest zero crossing nearby keeps the waveform from running.
      int Best = INT_MIN;
      const int X = Start;
      for (int I = 0; I < 1000; I += Channels) {
        const int Index = (SAMPLE_ARRAY_SIZE + X - I) % SAMPLE_ARRAY_SIZE;
        const int A = is->sample_array[Index];
        const int B = is->sample_array[(Index + 4 * Channels) % SAMPLE_ARRAY_SIZE];
        const int C = is->sample_array[(Index + 5 * Channels) % SAMPLE_ARRAY_SIZE];
        const int D = is->sample_array[(Index + 9 * Channels) % SAMPLE_ARRAY_SIZE];
        const int Score = A - D;
        if (Best < Score && (B ^ C) < 0) {
          Best = Score;
          Start = Index;
        }
      }
    }
    is->last_i_start = Start;
  } else {
    Start = is->last_i_start;
  }
  if (is->show_mode == 1)
    DrawWaves(is, Start, Channels);
  else
    DrawSpectrum(is, Start, Channels);
  PresentSurface();
}

void TCustomPlayer::DrawWaves(TVideoState* is, int AStart, int AChannels) {
  const TRect Area = Bounds(is->xleft, is->ytop, is->width, is->height);
  FillSurface(Area, SurfaceBlack);
  const int BandHeight = is->height / AChannels;
  const int HalfAmplitude = (BandHeight * 9) / 20;
  for (int Channel = 0; Channel < AChannels; ++Channel) {
    // A start near the ring's end and a later channel lie past it: they wrap too.
    int I = (AStart + Channel) % SAMPLE_ARRAY_SIZE;
    const int Middle = is->ytop + Channel * BandHeight + BandHeight / 2;
    for (int X = 0; X < is->width; ++X) {
      int Y = (is->sample_array[I] * HalfAmplitude) >> 15;
      int Top = Middle;
      if (Y < 0) {
        Y = -Y;
        Top = Middle - Y;
      }
      FillSurface(Bounds(is->xleft + X, Top, 1, Y), White);
      I += AChannels;
      if (I >= SAMPLE_ARRAY_SIZE) I -= SAMPLE_ARRAY_SIZE;
    }
  }
  for (int Channel = 1; Channel < AChannels; ++Channel)
    FillSurface(Bounds(is->xleft, is->ytop + Channel * BandHeight, is->width, 1), White);
}

void TCustomPlayer::DrawSpectrum(TVideoState* is, int AStart, int AChannels) {
  const int Shown = std::min(AChannels, 2);
  int RdftBits = 1;
  while ((1 << RdftBits) < 2 * is->height) ++RdftBits;
  const int Frequencies = 1 << (RdftBits - 1);
  if (RdftBits != is->rdft_bits || !is->rdft) {
    if (is->rdft) FF.av_rdft_end(is->rdft);
    is->rdft = FF.av_rdft_init(RdftBits, DFT_R2C);
    is->rdft_bits = RdftBits;
    FF.av_freep(&is->rdft_data);
    is->rdft_data = static_cast<FFTSample*>(FF.av_mallocz(4 * sizeof(FFTSample) * Frequencies));
  }
  if (!is->rdft || !is->rdft_data) return;
  FFTSample* Data[2] = {is->rdft_data, is->rdft_data + 2 * Frequencies};
  for (int Channel = 0; Channel < Shown; ++Channel) {
    int I = (AStart + Channel) % SAMPLE_ARRAY_SIZE;
    for (int X = 0; X < 2 * Frequencies; ++X) {
      // The window 1 - x², x from -1 to 1 over the transform.
      const double W = (X - Frequencies) * (1.0 / Frequencies);
      Data[Channel][X] = static_cast<FFTSample>(is->sample_array[I] * (1.0 - W * W));
      I += AChannels;
      if (I >= SAMPLE_ARRAY_SIZE) I -= SAMPLE_ARRAY_SIZE;
    }
    FF.av_rdft_calc(is->rdft, Data[Channel]);
  }
  const double Scale = 1 / std::sqrt(static_cast<double>(Frequencies));
  auto Magnitude = [&](const FFTSample* AData, int AY) {
    const double Re = AData[2 * AY], Im = AData[2 * AY + 1];
    return std::min(static_cast<int>(std::sqrt(Scale * std::sqrt(Re * Re + Im * Im))), 255);
  };
  const int Column = is->xleft + is->xpos;
  for (int Y = 0; Y < is->height && Y < Frequencies; ++Y) {
    const int A = Magnitude(Data[0], Y);
    const int B = Shown == 2 ? Magnitude(Data[1], Y) : A;
    const uint32_t Colour = 0xFF000000u | (static_cast<uint32_t>(A) << 16) | (static_cast<uint32_t>(B) << 8) |
                            static_cast<uint32_t>((A + B) / 2);
    FillSurface(Bounds(Column, is->ytop + is->height - 1 - Y, 1, 1), Colour);
  }
  if (!is->paused && ++is->xpos >= is->width) is->xpos = 0;
}
