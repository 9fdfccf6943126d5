#pragma once
// FFPlay: the preview player.
//
// TDUVezori plays one media file into a window that the caller owns: the pictures go to
// the window through the window system's video output (platform/win/VideoOutput.h),
// the sound to an SDL audio device, and the caller follows the playback through
// OnFileOpen, OnPosition and OnState. Each player binds its own copy of SDL (libsdl.h).
//
// Threads of a playing player: the caller's (the user-interface thread), the play
// thread (SDL's event loop: refresh, display, closing), the event thread (OnPosition,
// OnState), the read thread, the refresh thread, the video and subtitle threads (SDL
// threads) and SDL's audio thread. Stop and destruction abort and join every one of
// them before anything they use is freed; from the start of destruction no handler is
// raised. The position check and all drawing run on the play thread, which holds
// FDataLock while it handles an event; the public controls take the same lock.
//
// Implementation, by concern: FFPlay_Component.cpp (libraries, properties, Open, Stop,
// the window), FFPlay_Events.cpp (the play thread, the event ring and thread),
// FFPlay_Read.cpp (opening, the read thread, streams, closing), FFPlay_Queues.cpp,
// FFPlay_Video.cpp (decoding and the picture queue), FFPlay_Audio.cpp (the audio
// device and callback), FFPlay_Clocks.cpp, FFPlay_Controls.cpp (pause, seek,
// position, setters), FFPlay_Display.cpp (refresh and pictures), FFPlay_AudioDisplay.cpp
// (waves and spectrum), FFPlay_Subtitles.cpp. Internal headers: FFPlay_StateInternal.h (the
// state of one playback), FFPlay_QueuesInternal.h (packet queues), FFPlay_ThreadsInternal.h.

#include <atomic>
#include <concepts>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "Src/FFBaseComponent.h"
#include "Src/FFDecode.h"
#include "Src/FFLoad.h"
#include "Src/FFLog.h"
#include "Src/FFUtils.h"
#include "Src/FFmpegOwners.h"
#include "Src/libsdl.h"
#include "platform/base/Threads.h"
#include "platform/gdi/Geometry.h"
#include "platform/gdi/Graphics.h"
#include "platform/win/WindowTypes.h"

struct TVideoState;
struct TVideoPicture;
class TPlayThread;
class TEventThread;
class TDeinterlacer;

enum TPlayState { psPlay, psPause, psResume, psStep, psStop, psEnd };
enum TRepeatType { rtNone, rtStop, rtLoop, rtPause, rtRewind };
// The SDL audio driver chosen at Open: the environment's choice (SDL_AUDIODRIVER, else
// SDL's own), PulseAudio, or ALSA.
enum TAudioDriver { adDefault, adDirectSound, adWaveOut };
// Kept for the callers that set it; pictures never go through SDL, so it has no effect.
enum TVideoDriver { vdDefault, vdDirectDraw, vdGDI };
enum Tav_sync_type { AV_SYNC_AUDIO_MASTER, AV_SYNC_VIDEO_MASTER, AV_SYNC_EXTERNAL_CLOCK };

// What the player loads: every engine library.
inline const TLibraries PlayerLibraries = AllLibraries;

// ADuration in microseconds (0 for an image sequence, -1 when unknown); the frame size
// -1 × -1 without video. The handler may set the surface size; 0 takes the window's
// client size.
using TFileOpenEvent = std::function<void(TObject* Sender, int64_t ADuration, int AFrameWidth,
                                          int AFrameHeight, int& AScreenWidth, int& AScreenHeight)>;
// Microseconds from the file's start.
using TPositionEvent = std::function<void(TObject* Sender, int64_t APTS)>;
using TPlayStateEvent = std::function<void(TObject* Sender, TPlayState APlayState)>;
// On the video thread: the decoded picture as a bitmap; leaving AUpdate set puts the
// bitmap back into the picture.
using TVideoHookEvent = std::function<void(TObject* Sender, TBitmap* ABitmap, int64_t APTS, bool& AUpdate)>;
// On the video thread: the picture in YUV 4:2:0, changeable in place.
using TFrameHookEvent = std::function<void(TObject* Sender, AVFrame* APicture, AVPixelFormat APixFmt,
                                           int AWidth, int AHeight, int64_t APTS)>;
// On SDL's audio thread: one decoded buffer in the device's format, changeable in place.
using TAudioHookEvent = std::function<void(TObject* Sender, int64_t APTS, uint8_t* ASample, int ASize,
                                           int ASampleRate, int AChannels)>;

class TCustomPlayer : public TFFBaseComponent, public TFFObjectHolder {
 public:
  explicit TCustomPlayer(TComponent* AOwner);
  ~TCustomPlayer() override;

  // Ends the playback (waiting for it, as Stop(true)) and frees the picture kept from
  // it and the pending options, before the libraries go; LoadAVLib makes the options
  // again.
  void ReleaseFFObjects() override;

  // --- Libraries ---
  // Loads every engine library from APath and, with AAutoLoadSDL, SDL from APath too
  // (SDLLibraryFileName). False with LastErrMsg() on failure.
  bool LoadAVLib(const String& APath, bool AAutoLoadSDL = true);
  void UnloadAVLib();
  bool AVLibLoaded() const;
  // Binds AFile in APath as this player's SDL; a file another player holds is refused.
  bool LoadSDLLib(const String& APath, const String& AFile);
  void UnloadSDLLib();
  bool SDLLibLoaded() const { return FSDLLoader.Loaded(); }

  // --- Playing ---
  // Plays AFileName into AScreenHandle, starting paused with APaused; returns once the
  // file is open and the play thread runs. Without a window (nullptr), and in full-screen
  // mode (is_full_screen), the pictures go to a window of the player's own ("DUVezori"),
  // which the end of the playback closes: the size of the picture (or ScreenWidth ×
  // ScreenHeight), or the whole screen. False with LastErrMsg() on failure. Call it on
  // the user-interface thread.
  bool Open(const String& AFileName, HWND AScreenHandle, bool APaused = false);
  // Asks the playback to end; with AWaitForStop returns after every thread of the
  // playback has ended and everything is freed (running handed-over calls and window
  // messages meanwhile when called on the user-interface thread). During a blocking
  // open it cancels the open.
  void Stop(bool AWaitForStop);
  // Tells the video output that the screen window has moved: it draws the picture on
  // screen again where the window now lies. Nothing while nothing plays.
  void UpdateScreenPosition();

  void Pause();
  void Resume();
  void TogglePause();
  void StepToNextFrame();
  void ToggleAudioDisplay();
  // Absolute: APTS microseconds from the file's start, or a byte position with sfByte.
  void Seek(int64_t APTS, const TSeekFlags& ASeekFlags = {}, bool AWaitForSeekEnd = false);
  template <std::integral T>
  void Seek(T APTS, const TSeekFlags& ASeekFlags = {}, bool AWaitForSeekEnd = false) {
    Seek(static_cast<int64_t>(APTS), ASeekFlags, AWaitForSeekEnd);
  }
  // Relative: ADelta seconds from the current position.
  void Seek(double ADelta, const TSeekFlags& ASeekFlags = {}, bool AWaitForSeekEnd = false);
  void FlushQueue();
  // The picture on screen as a bitmap of VideoHookBitsPixel bits and its time stamp
  // (microseconds from the file's start, -1 without a picture). The bitmap belongs to
  // the player and is reused by the next call; empty without video.
  TBitmap* CurrentFrame(int64_t& APTS);
  TBitmap* CurrentFrame();
  // A rectangle of the window mapped to pixels of the picture; empty while nothing plays.
  TRect DisplayToActualRect(TRect ADisplayRect);

  // One FFmpeg option for the next Open.
  bool opt_default(const String& opt, const String& arg);

  // --- Properties ---
  float AspectRatio() const { return FAspectRatio; }
  void SetAspectRatio(float AValue);
  int AudioVolume() const { return FAudioVolume; }
  void SetAudioVolume(int AValue);  // clamped to 0..128
  int FrameWidth() const { return Fframe_width; }
  int FrameHeight() const { return Fframe_height; }
  void SetFrameWidth(int AValue);
  void SetFrameHeight(int AValue);
  int VideoHookBitsPixel() const;
  void SetVideoHookBitsPixel(int AValue);
  String ForceFormat() const;
  void SetForceFormat(const String& AValue);
  const String& ForceFrameRate() const { return FForceFrameRate; }
  void SetForceFrameRate(const String& AValue);
  // The filter chain text of the pictures; set while playing, the video thread builds
  // the new chain for its next picture.
  String VideoFilters() const;
  void SetVideoFilters(const String& AValue);
  int64_t StartTime() const { return Fstart_time; }
  void SetStartTime(int64_t AValue);
  int AudioStreamIndex() const;
  int VideoStreamIndex() const;
  int SubtitleStreamIndex() const;
  void SetAudioStreamIndex(int AValue);
  void SetVideoStreamIndex(int AValue);
  void SetSubtitleStreamIndex(int AValue);

  const String& FileName() const { return Finput_filename; }
  HWND ScreenHandle() const { return FScreenHandle; }
  const String& LastErrMsg() const { return FLastErrMsg; }
  TFFDecoder* Decoder() const { return FDecoder; }
  int64_t CurrentPTS() const { return FCurrentPTS; }
  bool Paused() const;
  TPlayState PlayState() const { return FState; }
  bool Seeking() const { return FSeeking; }

  TAudioDriver AudioDriver = adDefault;
  TVideoDriver VideoDriver = vdDefault;
  bool DisableAudio = false;
  bool DisableVideo = false;
  bool DisableDisplay = false;
  std::atomic<bool> Mute{false};
  int ScreenWidth = 0, ScreenHeight = 0;
  bool VideoHook = false, FrameHook = false, AudioHook = false;
  bool TriggerEventInMainThread = true;
  bool AutoAdjustFrameRate = true;
  std::atomic<bool> Deinterlace{false};
  bool VerticalFlip = false;
  int64_t start_time() const { return Fstart_time; }
  void set_start_time(int64_t AValue) { Fstart_time = AValue; }
  int64_t PlayTime = AV_NOPTS_VALUE;
  TRepeatType RepeatType = rtRewind;
  bool CheckIOEOF = true, CheckIOERR = true, NegativeOneAsEOF = true;
  int wanted_video_stream = -1, wanted_audio_stream = -1, wanted_subtitle_stream = -1;
  bool HijackWndProc = true, HijackCursor = true;
  // Read at Open: the picture fills a window over the whole screen, laid out with the
  // aspect rules of AspectRatio.
  bool is_full_screen = false;

  // The FFmpeg player's options, copied into every decoder the player opens.
  int seek_by_bytes = -1;
  int workaround_bugs = 1, fast = 0, genpts = 0, lowres = 0, idct_algo = 0;
  AVDiscard skip_frame = AVDISCARD_DEFAULT, skip_idct = AVDISCARD_DEFAULT,
            skip_loop_filter = AVDISCARD_DEFAULT;
  int error_recognition = 1, error_concealment = 3;
  int decoder_reorder_pts = -1;
  int framedrop = -1;
  String audio_codec_name, video_codec_name, subtitle_codec_name;
  int rdftspeed = 20;
  Tav_sync_type av_sync_type = AV_SYNC_AUDIO_MASTER;

  // --- Events (first argument the player) ---
  TFileOpenEvent OnFileOpen;
  TPositionEvent OnPosition;
  TPlayStateEvent OnState;
  TVideoHookEvent OnVideoHook;
  TFrameHookEvent OnFrameHook;
  TAudioHookEvent OnAudioHook;
  TBeforeFindStreamInfoEvent OnBeforeFindStreamInfo;

 private:
  friend class TPlayThread;
  friend class TEventThread;

  // The event ring through which the playing threads hand positions and states to the
  // event thread. At most 9 events are pending; a position replaces a newest pending
  // position, while every state change keeps a slot of its own, so that a quick pause
  // after the start is not lost behind it.
  struct TPlayEvent {
    static constexpr int Slots = 10;
    enum TKind { ekNone, ekPosition, ekState, ekQuit };
    struct TSlot {
      int Kind = ekNone;
      int64_t Value = 0;
    };
    std::mutex Lock;
    TEvent Event{true, false};
    int Header = 0, Tailer = 0;
    TSlot Events[Slots];
  };

  // AHandler is set and may be raised (the player is not being destroyed).
  template <class THandler>
  bool Raises(const THandler& AHandler) const {
    return !FDestroying && static_cast<bool>(AHandler);
  }

  // FFPlay_Component.cpp
  void LogError(const String& AText, bool AKeep);
  void ResetPlayer();
  void ResetPlaybackState();
  void FinishPlayback();
  bool InitSDL(HWND AWindow);
  void QuitSDL();
  void OpenOwnWindow();
  void CloseOwnWindow();
  HWND OutputWindow() const;
  void AttachResizeHandler(HWND AWindow);
  bool StopPlayback();
  void SetSDLEnvironment();
  void AttachWindow(HWND AWindow);
  bool UnhookPreviousWindow();
  void ReleaseWindow();
  LRESULT PlayerWndProc(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam);
  void DoFileOpen();
  void WaitForStop();
  bool LockDataWithin(std::unique_lock<std::recursive_mutex>& ALock, int AMilliseconds);
  void PushEvent(int AType);
  void EndEventThread();
  void PumpWhileWaiting();

  // FFPlay_Events.cpp
  void PlayerEventLoop();
  void PostPlayEvent(int AKind, int64_t AValue);
  TPlayEvent::TSlot FetchPlayEvent();
  void SetPlayState(TPlayState AState);
  void RunEventThread(TEventThread& AThread);

  // FFPlay_Read.cpp
  bool StreamOpen(const String& AFileName, const AVInputFormat* AFormat, bool APaused);
  static int ReadThreadEntry(void* AState);
  int ReadThread(TVideoState* is);
  bool OpenInput(TVideoState* is);
  void ReadLoop(TVideoState* is);
  void PerformSeek(TVideoState* is);
  void FlushStreamQueues(TVideoState* is);
  bool HandleReadFailure(TVideoState* is, int ACode, bool& AEndOfFile);
  void CloseInput(TVideoState* is, bool AFailed);
  static int DecodeInterruptCb(void* APlayer);
  int StreamComponentOpen(TVideoState* is, int AStreamIndex);
  void StreamComponentClose(TVideoState* is, int AStreamIndex);
  bool StreamCycleChannel(TVideoState* is, AVMediaType AType, int AIndex);
  void StreamSeek(TVideoState* is, const TSeekFlags& AFlags, bool AWait, int64_t AIncrement, int64_t ATarget);
  void StreamClose(TVideoState* is);
  void DoExit();

  // FFPlay_Video.cpp
  void ComputeFrameDelay(TVideoState* is);
  static int VideoThreadEntry(void* AState);
  int VideoThread(TVideoState* is);
  bool ConfigureVideoFilters(TVideoState* is, const AVFrame* AFrame);
  int GetVideoFrame(TVideoState* is, AVFrame* AFrame, int64_t& APTS, int64_t& APos);
  int QueuePicture(TVideoState* is, AVFrame* AFrame, double APTS, bool AHasPTS, int64_t APos);
  void RunVideoHooks(TVideoState* is, TVideoPicture& APicture, double APTS);

  // FFPlay_Audio.cpp
  int OpenAudioDevice(TVideoState* is, AVCodecContext* ADecoder);
  static void AudioCallbackEntry(void* AState, uint8_t* AStream, int ALength);
  void PlayerAudioCallback(TVideoState* is, uint8_t* AStream, int ALength);
  int AudioDecodeFrame(TVideoState* is, double& APTS);
  int ResampleFrame(TVideoState* is);
  int SynchronizeAudio(TVideoState* is, int ASize);
  void UpdateSampleDisplay(TVideoState* is, const uint8_t* ASamples, int ASize);
  void DoAudioHook(TVideoState* is, double APTS, int ASize);

  // FFPlay_Clocks.cpp
  double get_audio_clock(TVideoState* is) const;
  double get_video_clock(TVideoState* is) const;
  double get_external_clock(TVideoState* is) const;
  double get_master_clock(TVideoState* is) const;
  void update_video_pts(TVideoState* is, double APTS, int64_t APos);
  void StreamTogglePause(TVideoState* is);

  // FFPlay_Controls.cpp
  void PauseState(TVideoState* is);
  void SeekState(TVideoState* is, int64_t APTS, const TSeekFlags& ASeekFlags);
  void WaitForSeek(bool AHasVideo);
  void CheckPosition(TVideoState* is);

  // FFPlay_Display.cpp
  static int RefreshThreadEntry(void* AState);
  void VideoRefresh(TVideoState* is, bool AAdvance);
  double ComputeTargetDelay(TVideoState* is, double ADelay);
  void VideoDisplay(TVideoState* is, int APicture);
  int VideoOpen(TVideoState* is, bool AForce);
  void VideoImageDisplay(TVideoState* is, int APicture);
  void KeepShownPicture(TVideoState* is, TVideoPicture& vp);
  void PresentSurface();
  void FillSurface(const TRect& ARect, uint32_t AColor);
  void CloseSurface();

  // FFPlay_AudioDisplay.cpp
  void VideoAudioDisplay(TVideoState* is);
  void DrawWaves(TVideoState* is, int AChannels);
  void DrawSpectrum(TVideoState* is, int AChannels);

  // FFPlay_Subtitles.cpp
  static int SubtitleThreadEntry(void* AState);
  int SubtitleThread(TVideoState* is);
  void ExpireSubtitles(TVideoState* is);
  void BlendSubtitles(TVideoState* is, TVideoPicture& APicture);
  void FreeSubtitleQueue(TVideoState* is);

  // Fields. The options and settings are the user-interface thread's; what the
  // playback threads share is atomic or guarded as noted.
  int Fsws_flags = SWS_BICUBIC;
  TFFOptions FOptions;
  const AVInputFormat* Ffile_iformat = nullptr;
  String Finput_filename;
  int Ffs_screen_width = 0, Ffs_screen_height = 0;
  std::atomic<int> Fframe_width{0}, Fframe_height{0};
  int Fframe_width_set = 0, Fframe_height_set = 0;
  AVPixelFormat Fframe_pix_fmt = AV_PIX_FMT_NONE;
  int64_t Fstart_time = AV_NOPTS_VALUE;
  std::atomic<TVideoState*> FVideoState{nullptr};
  std::atomic<int64_t> Faudio_callback_time{0};

  TSDLLoader FSDLLoader;
  TSDLEntryPoints FSDL;  // this player's copies of the SDL entry points
  bool FAutoLoadSDL = true;
  std::atomic<bool> FSDLStarted{false};

  // The window. The procedures are the user-interface thread's.
  HWND FScreenHandle = nullptr;
  // The player's own window of this playback (no screen window, or full-screen), made
  // and destroyed by the user-interface thread; the play thread presents into it.
  std::atomic<HWND> FOwnWindow{nullptr};
  WINDOWPOS FScreenPos;
  // PlayerWndProc as a window procedure. The procedure reaches the player through the
  // link, which the player's destruction cuts when the procedure must outlive it.
  struct THijackLink {
    TCustomPlayer* Player = nullptr;
    WNDPROC Below = nullptr;
  };
  std::shared_ptr<THijackLink> FHijackLink;
  WNDPROC FObjectInstance = nullptr;
  WNDPROC FScreenWndProc = nullptr;  // the window's procedure before the video output
  WNDPROC FSDLWndProc = nullptr;     // the video output's procedure
  std::atomic<bool> FHijacking{false};

  // The surface: the play thread's picture of the display area, handed whole to the
  // video output. Written by the play thread only.
  int FSurfaceWidth = 0, FSurfaceHeight = 0;
  std::vector<uint32_t> FSurface;
  TScalerPtr FDisplayScaler;

  std::atomic<TVideoState*> FVideoStateCB{nullptr};
  std::atomic<int64_t> FLastRead{INT64_MAX};
  std::atomic<bool> FReadTimedOutLogged{false};
  String FLastErrMsg;
  std::atomic<int64_t> FLastPTS{AV_NOPTS_VALUE};
  std::atomic<int64_t> FCurrentPTS{-1};
  bool FLoading = false;
  // The play thread closed a playback on its own and the user-interface thread has not
  // yet reset the settings that end with it (ResetPlayer runs there only). The
  // handed-over call reaches the player through the link, which destruction cuts.
  std::atomic<bool> FFinishPending{false};
  // Set when destruction begins: from then on no handler is raised. The handlers
  // themselves stay as they are until every thread that reads them has been joined.
  std::atomic<bool> FDestroying{false};
  std::shared_ptr<TCustomPlayer*> FUserInterfaceLink;
  TFFDecoder* FDecoder = nullptr;  // owned through the component tree
  // Held by the play thread while it handles an event and by the public controls. The
  // waits that must not block for good try it for a while (LockDataWithin) rather than
  // taking a timed lock, which ThreadSanitizer does not follow.
  std::recursive_mutex FDataLock;
  TEvent FSeekEvent{true, true};
  TEvent FPictEvent{true, true};
  TEvent FStopEvent{true, true};
  TPlayEvent FPlayEvent;
  std::atomic<int> FEventState{psStop};
  std::atomic<int64_t> FEventPTS{0};
  std::atomic<bool> FSeeking{false};
  std::atomic<float> FAspectRatio{0};
  std::atomic<int> FAudioVolume{128};
  String FForceFrameRate;
  // Set on the user-interface thread, read by the video thread: each change counts up
  // the version, and a chain built for an older version is built again.
  mutable std::mutex FVideoFiltersLock;
  String FVideoFilters;
  std::atomic<int> FVideoFiltersVersion{0};
  std::atomic<int> FShowMode{-1};
  std::unique_ptr<TFormatConverter> FRGBConverter;
  std::unique_ptr<TFormatConverter> FHookConverter;
  std::unique_ptr<TDeinterlacer> FDeinterlacer;  // the video thread's
  std::atomic<TPlayState> FState{psStop};
  std::unique_ptr<TEventThread> FEventThread;
  std::unique_ptr<TPlayThread> FPlayThread;
  std::atomic<bool> FLooping{false};
  // The picture on screen, for CurrentFrame: a reference to the shown picture and its
  // time stamp. Guarded by FDisplayedLock.
  std::mutex FDisplayedLock;
  TFramePtr FDisplayedFrame;
  double FDisplayedPTS = 0;
  TCriticalSection FDisplayRectLock;
  TRect FDisplayRect;  // guarded by FDisplayRectLock
};

// What DisplayToActualRect computes: ARect normalised (left ≤ right, top ≤ bottom),
// clipped to ADisplay (where the picture lies in the window), moved to ADisplay's
// origin and scaled to a frame of AFrameWidth × AFrameHeight (integer arithmetic; a
// direction in which ADisplay is empty is not scaled).
TRect MapDisplayRect(TRect ARect, const TRect& ADisplay, int AFrameWidth, int AFrameHeight);

// The desktop's icon view, which callers without a preview panel would play into. The
// Linux desktops draw their icons in no window a program may draw into, so the answer
// is always nullptr; Open with nullptr then shows the pictures in a window of the
// player's own.
HWND FindDesktopListView();

class TDUVezori : public TCustomPlayer {
 public:
  using TCustomPlayer::TCustomPlayer;
};
