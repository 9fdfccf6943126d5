#pragma once
// FFDecode: the decoder components.
//
// TCustomDecoder opens a media file (or adopts a format context that another engine
// object opened) and describes it: container, streams, codecs, times, sizes, metadata
// and the multi-line information text. TFFDecoder adds decoding: seeking, the next
// video picture of a stream (optionally deinterlaced), stepping between key frames,
// pictures into bitmaps, and audio converted to the wanted channels, rate and format.
//
// A decoder is used from one thread at a time. Its messages become LastErrMsg() and go
// to the engine's logger with the decoder as sender; log-only lines leave LastErrMsg()
// alone. A blocking read is aborted when it takes longer than ReadTimeout.
//
// Implementation: FFDecode_Open.cpp (libraries, opening, closing, options, read
// time-out), FFDecode_Streams.cpp (counts and stream records), FFDecode_InfoText.cpp
// (FileInfoText), FFDecode_Frames.cpp (stream choice, codecs, packet reading),
// FFDecode_Video.cpp (pictures), FFDecode_Seek.cpp (seeking and key-frame steps),
// FFDecode_Audio.cpp (audio), FFDecode_Bitmap.cpp (pictures into bitmaps),
// FFDecode_Deinterlace.cpp and FFDecode_FifoInput.cpp (helpers with their own headers).

#include <cstdint>
#include <memory>
#include <vector>

#include "Src/FFBaseComponent.h"
#include "Src/FFLoad.h"
#include "Src/FFLog.h"
#include "Src/FFUtils.h"
#include "Src/FFmpegOwners.h"

class TDeinterlacer;

// What the decoder loads: the decoding set and libavfilter, whose yadif filter does
// the deinterlacing. Opening and decoding need only DecoderLibraries.
inline const TLibraries DecoderComponentLibraries = DecoderLibraries + TLibraries{avFilter};

// The container. Times are microseconds; every number is -1 and StartTime is
// AV_NOPTS_VALUE while no file is open.
struct TFileStreamInfo {
  int64_t StartTime = AV_NOPTS_VALUE;
  int64_t Duration = -1;  // -1 when the container does not know it
  int BitRate = -1;
  int64_t TimeStamp = -1;  // the "creation_time" metadata as seconds since 1970, 0 without it
  int Year = -1;
  int Track = -1;
  String Title, Author, Copyright, Comment, Album, Genre;
};

// The plain times are the stream's own, in its time base (AV_NOPTS_VALUE when
// unknown); the scaled ones are in microseconds (-1 when unknown). Every number is -1
// while the record is reset.
struct TAudioStreamInfo {
  String Language, CodecName;
  int64_t StartTime = -1, StartTimeScaled = -1, Duration = -1, DurationScaled = -1;
  int BitRate = -1, Channels = -1, SampleRate = -1;
  int SampleFormat = -1;  // AVSampleFormat
};

struct TVideoStreamInfo {
  String Language, CodecName;
  int64_t StartTime = -1, StartTimeScaled = -1, Duration = -1, DurationScaled = -1;
  int BitRate = -1, Height = -1, Width = -1;
  float AspectRatio = -1.0f;  // display width over height; 0 when the pixels' shape is unknown
  int PixFmt = -1;            // AVPixelFormat
  AVRational FrameRate{-1, -1};
};

struct TSubtitleStreamInfo {
  String Language, CodecName;
};

// The last decoded picture. Picture is a reference to the decoder's (or the
// deinterlacer's) frame: read it, never write into it.
struct TFrameInfo {
  int PixFmt = -1;  // AVPixelFormat
  int Width = -1, Height = -1;
  bool IsKeyFrame = false;
  AVPictureType PictureType = AV_PICTURE_TYPE_NONE;
  int64_t PTS = AV_NOPTS_VALUE;                                        // microseconds from the stream's start
  int64_t OriginalDTS = AV_NOPTS_VALUE, OriginalPTS = AV_NOPTS_VALUE;  // the stream's time base
  int StreamIndex = -1;
  int64_t Position = -1;  // byte position of the picture's packet in the file
  bool Ready = false;
  AVFrame* Picture = nullptr;
};

// The last decoded audio block, already in the wanted format.
struct TWaveInfo {
  int Channels = 0, SampleRate = 0;
  int SampleFormat = -1;  // AVSampleFormat
  int BytesPerSample = 0, BytesPerSecond = 0;
  int64_t PTS = AV_NOPTS_VALUE;  // microseconds from the stream's start
  int64_t OriginalDTS = AV_NOPTS_VALUE, OriginalPTS = AV_NOPTS_VALUE;
  int StreamIndex = -1;
  bool Ready = false;
  const uint8_t* Buffer = nullptr;
  int Size = 0;                       // bytes
  int64_t Duration = AV_NOPTS_VALUE;  // microseconds
};

class TCustomDecoder : public TFFBaseComponent, public TFFObjectHolder {
 public:
  explicit TCustomDecoder(TComponent* AOwner);
  ~TCustomDecoder() override;

  // Closes the file and frees the pending options (before the libraries go).
  void ReleaseFFObjects() override;

  // Sets the loader's library folder and loads DecoderComponentLibraries; false with
  // the loader's text in LastErrMsg(). UnloadAVLib unloads them for the whole process.
  bool LoadAVLib(const String& APath);
  bool AVLibLoaded() const;
  void UnloadAVLib();

  // Opens and probes a file; AFormatName forces an input format ("" probes). What
  // was open before is closed, also when the open fails. Raises "Library %s not
  // loaded." without the libraries.
  bool LoadFile(const String& AFileName, const String& AFormatName = "");
  virtual void CloseFile();

  AVFormatContext* FileHandle() const { return FFileHandle; }
  // Adopts a context opened elsewhere, without owning it; nullptr releases it. The
  // owner releases the decoder before closing the context.
  virtual void SetFileHandle(AVFormatContext* AFormatContext);
  // Whether the open file is the decoder's own (LoadFile), not one it adopted.
  bool OwnsFile() const { return FOwnedInput != nullptr; }

  // Passes one FFmpeg option to the next LoadFile (only that one).
  bool opt_default(const String& opt, const String& arg);

  bool IsAudioStream(int AStreamIndex);
  bool IsVideoStream(int AStreamIndex);
  bool IsSubtitleStream(int AStreamIndex);
  // Fill the record of one stream; a negative index takes the first stream of that
  // kind. False (the record reset) when there is no such stream.
  bool GetAudioStreamInfo(int AStreamIndex, TAudioStreamInfo& AInfo);
  bool GetVideoStreamInfo(int AStreamIndex, TVideoStreamInfo& AInfo);
  bool GetSubtitleStreamInfo(int AStreamIndex, TSubtitleStreamInfo& AInfo);
  TAudioStreamInfo FirstAudioStreamInfo();
  TVideoStreamInfo FirstVideoStreamInfo();
  TSubtitleStreamInfo FirstSubtitleStreamInfo();

  TFileStreamInfo FileStreamInfo();
  // The file described line by line, each line ending with CR LF; built on each read.
  String FileInfoText();

  String FileName();
  String FormatName();
  String FormatLongName();
  int64_t FileSize() const { return FFileSize; }
  const String& ForceFormat() const { return FForceFormat; }
  int StreamCount() const { return FStreamCount; }
  int ProgramCount() const { return FProgramCount; }
  int AudioStreamCount() const { return FAudioStreamCount; }
  int VideoStreamCount() const { return FVideoStreamCount; }
  int SubtitleStreamCount() const { return FSubtitleStreamCount; }
  int FirstAudioStreamIndex() const { return FFirstAudioStreamIndex; }
  int FirstVideoStreamIndex() const { return FFirstVideoStreamIndex; }
  int FirstSubtitleStreamIndex() const { return FFirstSubtitleStreamIndex; }
  const String& LastErrMsg() const { return FLastErrMsg; }

  // OnBeforeFindStreamInfo runs after the file is opened and before its streams are
  // probed: on the user-interface thread when TriggerEventInMainThread is set (the
  // opening thread waits), else on the opening thread.
  bool TriggerEventInMainThread = true;
  TBeforeFindStreamInfoEvent OnBeforeFindStreamInfo;

 protected:
  virtual void RefreshFileInfo();

  // The message becomes LastErrMsg() and is logged with the decoder as sender.
  void Report(TLogLevel ALevel, const String& AText);
  template <typename... Args>
  void Report(TLogLevel ALevel, const char* AFormat, const Args&... AArgs) {
    Report(ALevel, Format(AFormat, AArgs...));
  }
  // Logged only. Callers building a costly text ask IsLogged first.
  void LogOnly(TLogLevel ALevel, const String& AText);
  static bool IsLogged(TLogLevel ALevel);

  // "file not loaded." when no file is open.
  bool CheckFileLoaded();
  // The read time-out counts from StartReadTimer until StopReadTimer: every blocking
  // call into FFmpeg (open, probe, packet read, seek) is timed on its own, so time
  // spent between calls never counts.
  void StartReadTimer();
  void StopReadTimer() { FLastRead = ReadTimerStopped; }

  // The open file: FOwnedInput's context, or one adopted by SetFileHandle.
  AVFormatContext* FFileHandle = nullptr;
  String FLastErrMsg;

 private:
  static int InterruptCallback(void* ADecoder);
  bool IsReadTimedOut();
  bool OpenInput(const String& AFileName, const AVInputFormat* AFormat);
  void RunBeforeFindStreamInfo();
  bool FindStreamInfo(const String& AFileName);
  void CloseInput();
  bool CheckStreamIndex(int AStreamIndex);
  int ResolveStreamIndex(int AStreamIndex, int AFirstIndex, const char* ANoStreamText, AVMediaType AType,
                         const char* AWrongKindText);

  static constexpr int64_t ReadTimerStopped = INT64_MAX;
  static constexpr int DefaultScalerFlags = SWS_BICUBIC;

  int Fsws_flags = DefaultScalerFlags;
  TFFOptions FOptions;
  bool FLoading = false;
  String FForceFormat;
  AVIOContext* FFifoIO = nullptr;      // our reader of a named pipe, freed after the context
  AVIOContext* FProtocolIO = nullptr;  // an engine protocol's reader, freed after the context
  TInputContextPtr FOwnedInput;
  int64_t FFileSize = -1;
  int FStreamCount = -1, FProgramCount = -1;
  int FAudioStreamCount = -1, FVideoStreamCount = -1, FSubtitleStreamCount = -1;
  int FFirstAudioStreamIndex = -1, FFirstVideoStreamIndex = -1, FFirstSubtitleStreamIndex = -1;
  int64_t FLastRead = ReadTimerStopped;  // MonotonicMicroseconds when the current read began
  bool FTimeoutLogged = false;           // "connecting/reading timeout" logged for this read
};

class TFFDecoder : public TCustomDecoder {
 public:
  explicit TFFDecoder(TComponent* AOwner);
  ~TFFDecoder() override;

  void CloseFile() override;
  // Also the decoding frames and packets.
  void ReleaseFFObjects() override;

  // Seeks the chosen stream (or the container) to APTS microseconds from the start,
  // or to a byte position with sfByte. A negative stream index below means the
  // stream chosen before, else the first stream of that kind.
  bool Seek(int64_t APTS, const TSeekFlags& ASeekFlags = {});
  bool Decode(int AStreamIndex = -1);
  bool DecodeNextKeyFrame(int AStreamIndex = -1);
  bool DecodePreviousKeyFrame(int AStreamIndex = -1);
  bool DecodePreviousFrame(int AStreamIndex = -1);

  // The decoded picture as RGB of BitmapBitsPixel bits into ABitmap. On failure
  // ABitmap is a black picture of the decoded size.
  bool CopyToBitmap(TBitmap& ABitmap);
  // The same conversion without the copy: the converter's description of its RGB
  // picture, valid until the next conversion; nullptr on failure.
  const BITMAP* GetBitmapPtr();
  // 8, 15, 16, 24 (the default) or 32, as the converter's BitsPixel; another value
  // raises "Invalid BitsPixel %d".
  int BitmapBitsPixel() const;
  void SetBitmapBitsPixel(int AValue);

  bool Deinterlace() const { return FDeinterlace; }
  void SetDeinterlace(bool AValue) { FDeinterlace = AValue; }
  // EOF of the class library; the C library owns the name EOF as a macro.
  bool Eof() const { return FEOF; }
  const TFrameInfo& FrameInfo() const { return FPicture; }
  int64_t Position();

  // Audio: the next block of the stream converted to DesireAudioChannels,
  // DesireAudioSampleRate and signed 16-bit interleaved samples.
  bool DecodeAudio(int AStreamIndex = -1);
  // Copies up to ACount bytes of samples, decoding blocks as needed; -1 on failure.
  // Without ABuffer it only tells how many bytes are ready.
  int ReadAudio(uint8_t* ABuffer, int ACount, int AStreamIndex = -1);
  const TWaveInfo& WaveInfo() const { return FWaveInfo; }
  int DesireAudioChannels() const { return FDesireAudioChannels; }
  void SetDesireAudioChannels(int AValue);
  int DesireAudioSampleRate() const { return FDesireAudioSampleRate; }
  void SetDesireAudioSampleRate(int AValue);

 private:
  // The outcome of reading for one stream.
  enum TReadResult { rrPacket, rrEnd, rrFailed };

  bool CheckOwnedFile();
  bool SelectVideoStream(int AStreamIndex);
  bool SelectAudioStream(int AStreamIndex);
  void ChooseFrameRate(int AStreamIndex);
  bool OpenVideoCodec();
  bool OpenAudioCodec();
  TCodecContextPtr OpenStreamCodec(int AStreamIndex, AVDictionary** AOptions);
  TReadResult ReadStreamPacket(int AStreamIndex);
  void ReportEndOfStream();
  bool IsStillPictureFormat() const;
  int64_t FrameDuration() const;
  int64_t StreamTimeToMicroseconds(int64_t ATime, int AStreamIndex) const;

  bool DeliverPicture(AVFrame* AFrame);
  AVFrame* DeinterlacePicture(AVFrame* AFrame);
  void StorePicture(AVFrame* AFrame, AVFrame* APicture);
  void ResetPicture();

  bool SeekFile(int64_t ATarget, int AStreamIndex, int AFlags);
  bool DecodePreviousKeyFrameBefore(int64_t AReference);

  void ResetWaveInfo();
  bool ReceiveAudio();
  bool AppendAudioFrame(const AVFrame* AFrame);
  bool FlushResampler();
  bool SetUpResampler(const AVFrame* AFrame);
  bool AppendSamples(const uint8_t* const* AInput, int AInputSamples);
  void DescribeWaveBlock(const AVPacket* APacket);
  bool ScaleIntoBitmap(TBitmap& ABitmap);

  TCodecContextPtr FCodec;
  std::unique_ptr<TFormatConverter> FFormatConv;
  // CopyToBitmap's scaler and its rows, 64-byte aligned, kept from file to file.
  TScalerPtr FBitmapScaler;
  std::vector<uint8_t> FBitmapRows;
  int FSeekIndex = -1;
  int FDesireVideoIndex = -1;
  AVRational FFrameRate{0, 0};
  bool FDeinterlace = false;
  std::unique_ptr<TDeinterlacer> FDeinterlacer;
  bool FEOF = false;
  bool FEOFpkt = false;
  int FReadError = 0;  // the first failed read's code, for the end-of-stream text
  TFrameInfo FPicture;
  int64_t FLastPTS = AV_NOPTS_VALUE;
  TPacketPtr FPacket;
  TFramePtr FDecodedFrame;
  TFramePtr FPictureFrame;  // FPicture.Picture

  TWaveInfo FWaveInfo;
  int FDesireAudioChannels = 2;
  int FDesireAudioSampleRate = 44100;
  AVSampleFormat FDesireAudioSampleFormat = AV_SAMPLE_FMT_S16;
  int FDesireAudioIndex = -1;
  TCodecContextPtr FAudioCodec;
  TFramePtr FAudioDecodedFrame;
  std::vector<uint8_t> FAudioBlock;  // the current block in the wanted format
  int FResampleChannels = -1, FResampleSampleRate = -1, FResampleSampleFormat = -1;
  AVChannelLayout FAudioChannelLayout{};  // the resampler's output layout
  TResamplerPtr FAudioSwrCtx;
  int FRemainsAudioSize = 0;
};
