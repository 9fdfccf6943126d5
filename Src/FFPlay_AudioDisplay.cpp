// The audio display of the player: the waveform (show mode 1) and the spectrum (show
// mode 2) of the samples the device is playing, drawn into the surface on the play
// thread. The audio callback writes the sample ring under SDL's audio lock; the display
// copies what it draws out of the ring under that lock and draws from the copy.

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

#include "Src/FFPlay.h"
#include "Src/FFPlay_StateInternal.h"
#include "platform/base/Clock.h"
#include "platform/base/ScopeExit.h"

namespace {

constexpr uint32_t White = 0xFFFFFFFF;

int ComputeMod(int A, int B) { return A < 0 ? A % B + B : A % B; }

// ACount samples of the ring from AStart on, wrapping at its end.
void CopyFromSampleRing(const int16_t* ARing, int AStart, int ACount, std::vector<int16_t>& ACopy) {
  ACopy.resize(static_cast<size_t>(ACount));
  const int First = std::min(ACount, SAMPLE_ARRAY_SIZE - AStart);
  std::copy_n(ARing + AStart, First, ACopy.begin());
  std::copy_n(ARing, ACount - First, ACopy.begin() + First);
}

}  // namespace

void TCustomPlayer::VideoAudioDisplay(TVideoState* is) {
  const int Channels = is->audio_tgt_ch_layout.nb_channels;
  if (Channels <= 0 || is->width <= 0 || is->height <= 0) return;
  int RdftBits = 1;
  while ((1 << RdftBits) < 2 * is->height) ++RdftBits;
  const int Frequencies = 1 << (RdftBits - 1);
  // The sample frames drawn: one per column of the waves, or those of one transform.
  const int DataUsed = is->show_mode == 1 ? is->width : 2 * Frequencies;

  {
    // The callback writes the ring under SDL's audio lock.
    FSDL.SDL_LockAudio();
    ScopeExit UnlockAudio([this] { FSDL.SDL_UnlockAudio(); });
    int Start;
    if (!is->paused) {
      // Back from the newest sample by what the device has not played yet.
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
    CopyFromSampleRing(is->sample_array, Start, std::min(DataUsed * Channels, SAMPLE_ARRAY_SIZE),
                       is->display_samples);
  }

  if (is->show_mode == 1)
    DrawWaves(is, Channels);
  else
    DrawSpectrum(is, Channels);
  PresentSurface();
}

void TCustomPlayer::DrawWaves(TVideoState* is, int AChannels) {
  const TRect Area = Bounds(is->xleft, is->ytop, is->width, is->height);
  FillSurface(Area, SurfaceBlack);
  const int BandHeight = is->height / AChannels;
  const int HalfAmplitude = (BandHeight * 9) / 20;
  const std::vector<int16_t>& Samples = is->display_samples;
  for (int Channel = 0; Channel < AChannels; ++Channel) {
    const int Middle = is->ytop + Channel * BandHeight + BandHeight / 2;
    for (int X = 0, I = Channel; X < is->width && I < static_cast<int>(Samples.size()); ++X, I += AChannels) {
      int Y = (Samples[I] * HalfAmplitude) >> 15;
      int Top = Middle;
      if (Y < 0) {
        Y = -Y;
        Top = Middle - Y;
      }
      FillSurface(Bounds(is->xleft + X, Top, 1, Y), White);
    }
  }
  for (int Channel = 1; Channel < AChannels; ++Channel)
    FillSurface(Bounds(is->xleft, is->ytop + Channel * BandHeight, is->width, 1), White);
}

void TCustomPlayer::DrawSpectrum(TVideoState* is, int AChannels) {
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
  const std::vector<int16_t>& Samples = is->display_samples;
  for (int Channel = 0; Channel < Shown; ++Channel) {
    for (int X = 0, I = Channel; X < 2 * Frequencies; ++X, I += AChannels) {
      // The window 1 - x², x from -1 to 1 over the transform.
      const double W = (X - Frequencies) * (1.0 / Frequencies);
      const int Sample = I < static_cast<int>(Samples.size()) ? Samples[I] : 0;
      Data[Channel][X] = static_cast<FFTSample>(Sample * (1.0 - W * W));
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
