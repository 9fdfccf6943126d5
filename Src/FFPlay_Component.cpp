// The player component: libraries, Open, Stop, SDL's start and shutdown, and the
// window the player plays into.

#include <cstdlib>

#include "Src/FFDecode_Deinterlace.h"
#include "Src/FFPlay.h"
#include "Src/FFPlay_StateInternal.h"
#include "Src/FFPlay_ThreadsInternal.h"
#include "Src/MyUtils.h"
#include "platform/base/Clock.h"
#include "platform/win/Focus.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/VideoOutput.h"
#include "platform/win/Windows.h"

TCustomPlayer::TCustomPlayer(TComponent* AOwner)
    : TFFBaseComponent(AOwner),
      FRGBConverter(std::make_unique<TFormatConverter>()),
      FHookConverter(std::make_unique<TFormatConverter>()) {
  FDecoder = new TFFDecoder(this);
  FUserInterfaceLink = std::make_shared<TCustomPlayer*>(this);
  FScreenPos.flags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER;
  ResetPlayer();
}

TCustomPlayer::~TCustomPlayer() {
  FDestroying = true;
  Stop(true);
  // A thread is waited for while its object is whole: the base destructor's wait would
  // let a thread that is only starting call Execute on a half-destroyed object.
  if (FPlayThread) FPlayThread->WaitFor();
  FPlayThread.reset();
  EndEventThread();
  *FUserInterfaceLink = nullptr;
  CloseOwnWindow();
  ReleaseWindow();
  if (FObjectInstance && IsMainThread()) {
    // A window that was subclassed after us keeps calling our procedure, which then
    // stays and passes everything on to the video output's.
    FHijackLink->Player = nullptr;
    FHijackLink->Below = FSDLWndProc;
    if (UnhookPreviousWindow() || !IsWindow(FScreenHandle)) FreeProcInstance(FObjectInstance);
  }
  UninitOptions(FOptions);
}

void TCustomPlayer::ReleaseFFObjects() {
  Stop(true);
  if (FPlayThread) FPlayThread->WaitFor();
  FPlayThread.reset();
  // What the last playback left behind for redrawing and CurrentFrame.
  FDisplayScaler.reset();
  {
    std::lock_guard Lock(FDisplayedLock);
    FDisplayedFrame.reset();
  }
  UninitOptions(FOptions);
}

// --- Libraries --------------------------------------------------------------------------

bool TCustomPlayer::LoadAVLib(const String& APath, bool AAutoLoadSDL) {
  FFLoader().SetLibraryPath(APath);
  if (!FFLoader().Load(PlayerLibraries)) {
    FLastErrMsg = FFLoader().LastErrMsg();
    return false;
  }
  InitOptions(FOptions, Fsws_flags);
  FAutoLoadSDL = AAutoLoadSDL;
  return !AAutoLoadSDL || LoadSDLLib(APath, SDLLibraryFileName);
}

void TCustomPlayer::UnloadAVLib() {
  FFLoader().Unload(PlayerLibraries);
  if (FAutoLoadSDL) UnloadSDLLib();
}

bool TCustomPlayer::AVLibLoaded() const {
  return FFLoader().Loaded(PlayerLibraries) && (!FAutoLoadSDL || SDLLibLoaded());
}

bool TCustomPlayer::LoadSDLLib(const String& APath, const String& AFile) {
  if (FSDLLoader.Load(APath, AFile)) {
    FSDL = FSDLLoader.EntryPoints();
    return true;
  }
  FSDL = {};
  FLastErrMsg = FSDLLoader.LastErrMsg();
  return false;
}

void TCustomPlayer::UnloadSDLLib() {
  FSDLLoader.Unload();
  FSDL = {};
}

bool TCustomPlayer::opt_default(const String& opt, const String& arg) {
  if (!FFLoader().Loaded(PlayerLibraries)) {
    LogError("libav not loaded.", true);
    return false;
  }
  return SetDefaultOption(FOptions, opt, arg) == 0;
}

void TCustomPlayer::LogError(const String& AText, bool AKeep) {
  if (AKeep) FLastErrMsg = AText;
  GetLogger()->Log(this, llError, AText);
}

// --- Open and Stop ------------------------------------------------------------------------

bool TCustomPlayer::Open(const String& AFileName, HWND AScreenHandle, bool APaused) {
  if (!FFLoader().Loaded(PlayerLibraries)) {
    LogError("libav not loaded.", true);
    return false;
  }
  if (!SDLLibLoaded()) {
    LogError("sdl not loaded.", true);
    return false;
  }
  int64_t ScalerFlags = Fsws_flags;
  if (FOptions.sws_opts) FF.av_opt_get_int(FOptions.sws_opts, "sws_flags", 0, &ScalerFlags);
  FLoading = true;
  Stop(true);
  // The video thread of the playback just stopped read the flags until it ended.
  Fsws_flags = static_cast<int>(ScalerFlags);
  FPlayThread.reset();
  {
    std::lock_guard Lock(FDisplayRectLock);
    FDisplayRect = {};
  }

  bool Started;
  {
    std::lock_guard Lock(SdlListLock());
    SetSDLEnvironment();
    Started = InitSDL(AScreenHandle);
  }
  if (!Started) {
    LogError(Format("Could not initialize SDL with ScreenHandle(%u): %s",
                    static_cast<unsigned>(reinterpret_cast<uintptr_t>(AScreenHandle)), FSDL.SDL_GetError()),
             true);
    FLoading = false;
    return false;
  }
  if (DisableDisplay) {
    DisableVideo = true;
  } else {
    // The desktop's size, for the full-screen surface.
    CallInMainThread([this] {
      Ffs_screen_width = GetSystemMetrics(SM_CXSCREEN);
      Ffs_screen_height = GetSystemMetrics(SM_CYSCREEN);
    });
  }
  // The player pushes its own events; SDL's video events of these kinds would only
  // wake the event loop for nothing.
  FSDL.SDL_EventState(SDL_ACTIVEEVENT, SDL_IGNORE);
  FSDL.SDL_EventState(SDL_MOUSEMOTION, SDL_IGNORE);
  FSDL.SDL_EventState(SDL_SYSWMEVENT, SDL_IGNORE);
  FSDL.SDL_EventState(SDL_USEREVENT, SDL_IGNORE);

  FScreenHandle = AScreenHandle;
  FScreenPos.hwnd = AScreenHandle;
  const bool Opened = StreamOpen(AFileName, Ffile_iformat, APaused);
  if (Opened) {
    Finput_filename = AFileName;
    if (!AScreenHandle || is_full_screen) OpenOwnWindow();
    FDecoder->SetFileHandle(FVideoState.load()->ic);
    DoFileOpen();
    EndEventThread();
    FEventThread = std::make_unique<TEventThread>(*this);
    FEventThread->Start();
    FLooping = false;
    FPlayThread = std::make_unique<TPlayThread>(*this);
    FPlayThread->Start();
    // The play thread sets FLooping at its very start; nothing it does first waits
    // for this thread.
    while (!FLooping) SleepMs(1);
  } else {
    QuitSDL();
  }
  FLoading = false;
  if (FFLoader().Loaded(PlayerLibraries)) InitOptions(FOptions, Fsws_flags);
  return Opened;
}

namespace {

// The audio driver the process environment named before a player chose one, which the
// default choice gives back. Guarded by SdlListLock.
struct TEnvironmentAudioDriver {
  bool Saved = false;
  bool Named = false;
  std::string Name;
};

TEnvironmentAudioDriver& EnvironmentAudioDriver() {
  static TEnvironmentAudioDriver Instance;
  return Instance;
}

void ChooseAudioDriver(const char* AName) {
  TEnvironmentAudioDriver& Original = EnvironmentAudioDriver();
  if (!Original.Saved) {
    const char* Current = getenv("SDL_AUDIODRIVER");
    Original = {true, Current != nullptr, Current ? Current : ""};
  }
  setenv("SDL_AUDIODRIVER", AName, 1);
}

void RestoreAudioDriver() {
  const TEnvironmentAudioDriver& Original = EnvironmentAudioDriver();
  if (!Original.Saved) return;
  if (Original.Named)
    setenv("SDL_AUDIODRIVER", Original.Name.c_str(), 1);
  else
    unsetenv("SDL_AUDIODRIVER");
}

}  // namespace

void TCustomPlayer::SetSDLEnvironment() {
  // The default driver is the one the environment named before any player chose one,
  // else SDL's own choice.
  switch (AudioDriver) {
    case adDefault:
      RestoreAudioDriver();
      break;
    case adDirectSound:
      ChooseAudioDriver("pulse");
      break;
    case adWaveOut:
      ChooseAudioDriver("alsa");
      break;
  }
  // SDL draws nothing; its video subsystem only carries the event queue.
  setenv("SDL_VIDEODRIVER", "dummy", 1);
}

bool TCustomPlayer::InitSDL(HWND AWindow) {
  const Uint32 Flags =
      SDL_INIT_TIMER | SDL_INIT_VIDEO | SDL_INIT_NOPARACHUTE | (DisableAudio ? 0 : SDL_INIT_AUDIO);
  if (FSDL.SDL_Init(Flags) < 0) return false;
  FSDLStarted = true;
  char Name[64];
  if (FSDL.SDL_AudioDriverName(Name, sizeof Name))
    GetLogger()->Log(this, llDebug, Format("using audio driver: %s", Name));
  if (FSDL.SDL_VideoDriverName(Name, sizeof Name))
    GetLogger()->Log(this, llDebug, Format("using video driver: %s", Name));
  if (AWindow) CallInMainThread([this, AWindow] { AttachWindow(AWindow); });
  return true;
}

// User-interface thread.
void TCustomPlayer::AttachWindow(HWND AWindow) {
  if (!IsWindow(AWindow)) return;
  const auto Current = reinterpret_cast<WNDPROC>(GetWindowLong(AWindow, GWL_WNDPROC));
  // Our procedure may still be on top from the last playback of this window.
  const bool StillHijacked = FObjectInstance && Current == FObjectInstance && AWindow == FScreenHandle;
  if (!StillHijacked) {
    UnhookPreviousWindow();
    FScreenWndProc = Current;
    FSDLWndProc = AttachVideoOutput(AWindow);
  }
  AttachResizeHandler(AWindow);
  if (StillHijacked) {
    FHijacking = true;
  } else if (HijackWndProc) {
    if (!FObjectInstance) {
      FHijackLink = std::make_shared<THijackLink>();
      FHijackLink->Player = this;
      FObjectInstance = MakeProcInstance([Link = FHijackLink](HWND W, UINT M, WPARAM WP, LPARAM LP) {
        if (Link->Player) return Link->Player->PlayerWndProc(W, M, WP, LP);
        return CallWindowProc(Link->Below, W, M, WP, LP);
      });
    }
    SetWindowLong(AWindow, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(FObjectInstance));
    FHijacking = true;
  }
}

// The window's size changes reach the event loop as SDL's resize event did.
void TCustomPlayer::AttachResizeHandler(HWND AWindow) {
  SetVideoOutputResizeHandler(AWindow, [this](HWND, int AWidth, int AHeight) {
    SDL_Event Event{};
    Event.type = SDL_VIDEORESIZE;
    Event.resize.w = AWidth;
    Event.resize.h = AHeight;
    if (FVideoState) FSDL.SDL_PushEvent(&Event);
  });
}

// User-interface thread, after the file opened: the window the pictures go to when the
// caller gave none or full-screen mode is on, as SDL made its own window then. Without
// a window system the pictures go nowhere.
void TCustomPlayer::OpenOwnWindow() {
  if (!IsWindowSystemStarted()) return;
  int Width = 640, Height = 480;
  if (is_full_screen && Ffs_screen_width > 0 && Ffs_screen_height > 0) {
    Width = Ffs_screen_width;
    Height = Ffs_screen_height;
  } else if (ScreenWidth > 0 && ScreenHeight > 0) {
    Width = ScreenWidth;
    Height = ScreenHeight;
  } else if (const TVideoState* is = FVideoState; is && is->video_dec && is->video_dec->width > 1) {
    // The surface takes the picture's size, rounded down to even.
    Width = is->video_dec->width & ~1;
    Height = is->video_dec->height & ~1;
  }
  static constexpr const char* ClassName = "TDUVezoriWindow";
  WNDCLASS Class;
  Class.lpfnWndProc = DefWindowProc;
  Class.lpszClassName = ClassName;
  RegisterClass(&Class);  // refused, and harmless, once it is registered
  HWND Window =
      CreateWindowEx(is_full_screen ? WS_EX_TOPMOST : 0, ClassName, "DUVezori", WS_POPUP | WS_VISIBLE, 0, 0,
                     Width, Height, nullptr, nullptr, nullptr, nullptr);
  if (!Window) return;
  AttachVideoOutput(Window);
  AttachResizeHandler(Window);
  FOwnWindow = Window;
}

// User-interface thread.
void TCustomPlayer::CloseOwnWindow() {
  if (HWND Window = FOwnWindow.exchange(nullptr)) DestroyWindow(Window);
}

HWND TCustomPlayer::OutputWindow() const {
  HWND Own = FOwnWindow;
  return Own ? Own : FScreenHandle;
}

HWND FindDesktopListView() { return nullptr; }

void TCustomPlayer::UpdateScreenPosition() {
  if (!FVideoState || !FScreenHandle || !FSDLWndProc) return;
  CallWindowProc(FSDLWndProc, FScreenHandle, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&FScreenPos));
}

// User-interface thread: takes our procedure out of the window of the last playback
// when it is still on top there; it cannot serve two windows.
bool TCustomPlayer::UnhookPreviousWindow() {
  if (!FObjectInstance || !FScreenHandle || !IsWindow(FScreenHandle)) return false;
  if (reinterpret_cast<WNDPROC>(GetWindowLong(FScreenHandle, GWL_WNDPROC)) != FObjectInstance) return false;
  SetWindowLong(FScreenHandle, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(FSDLWndProc));
  return true;
}

// Any thread: the window goes back to painting itself; our procedure passes everything
// on from now (the user-interface thread takes it out at the next Open or at
// destruction).
void TCustomPlayer::ReleaseWindow() {
  FHijacking = false;
  if (FScreenHandle) {
    SetVideoOutputResizeHandler(FScreenHandle, nullptr);
    ClearVideoImage(FScreenHandle);
  }
}

LRESULT TCustomPlayer::PlayerWndProc(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  if (!FHijacking) return CallWindowProc(FSDLWndProc, AWindow, AMessage, AWParam, ALParam);
  switch (AMessage) {
    case WM_ACTIVATE:
      CallWindowProc(FSDLWndProc, AWindow, AMessage, AWParam, ALParam);
      return CallWindowProc(FScreenWndProc, AWindow, AMessage, AWParam, ALParam);
    case WM_CLOSE:
      // The window stays while the player holds it.
      return 0;
    case WM_PAINT:
    case WM_ERASEBKGND:
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
    case WM_NCDESTROY:
      return CallWindowProc(FSDLWndProc, AWindow, AMessage, AWParam, ALParam);
    case WM_SETCURSOR:
      return CallWindowProc(HijackCursor ? FSDLWndProc : FScreenWndProc, AWindow, AMessage, AWParam, ALParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      SetFocus(AWindow);
      return CallWindowProc(FScreenWndProc, AWindow, AMessage, AWParam, ALParam);
    default:
      return CallWindowProc(FScreenWndProc, AWindow, AMessage, AWParam, ALParam);
  }
}

// The end of a playback, on the thread that closes it (the play thread, or the one
// that waited for the stop). What belongs to the user-interface thread, the settings
// that end with the playback and the player's own window, is done there: at once when
// this is it, else handed over.
void TCustomPlayer::QuitSDL() {
  ReleaseWindow();
  const bool Ending = FSDLStarted.exchange(false);
  if (Ending && FSDL.SDL_Quit) FSDL.SDL_Quit();
  CloseSurface();
  ResetPlaybackState();
  // Only the close that shut SDL down ends the playback: a second one (the waiter's
  // after the play thread's) finds nothing more to end.
  if (!Ending) return;
  FFinishPending = true;
  if (IsMainThread()) {
    FinishPlayback();
  } else {
    TThread::Queue([Link = FUserInterfaceLink] {
      if (*Link) (*Link)->FinishPlayback();
    });
  }
}

// User-interface thread, once per ended playback: a stop waited for and the hand-over
// of the play thread's own close meet here, and the first one does the work. Open's
// stop of the previous playback comes here while FLoading holds the settings made for
// the next one.
void TCustomPlayer::FinishPlayback() {
  if (!FFinishPending.exchange(false)) return;
  CloseOwnWindow();
  ResetPlayer();
}

// Any thread: the playback's own state.
void TCustomPlayer::ResetPlaybackState() {
  FState = psStop;
  FLastPTS = AV_NOPTS_VALUE;
  FCurrentPTS = -1;
  FSeekEvent.SetEvent();
  FSeeking = false;
}

// User-interface thread: the settings that last one playback.
void TCustomPlayer::ResetPlayer() {
  ResetPlaybackState();
  wanted_video_stream = wanted_audio_stream = wanted_subtitle_stream = -1;
  seek_by_bytes = -1;
  if (!FLoading) {
    Ffile_iformat = nullptr;
    Fstart_time = AV_NOPTS_VALUE;
    PlayTime = AV_NOPTS_VALUE;
    RepeatType = rtRewind;
    VerticalFlip = false;
    audio_codec_name.clear();
    video_codec_name.clear();
    subtitle_codec_name.clear();
    Fframe_width_set = Fframe_height_set = 0;
    Fframe_pix_fmt = AV_PIX_FMT_NONE;
    if (FFLoader().Loaded(PlayerLibraries)) InitOptions(FOptions, Fsws_flags);
  }
}

void TCustomPlayer::DoFileOpen() {
  TVideoState* is = FVideoState;
  if (!is) return;
  if (OnFileOpen) {
    const int64_t Duration = is->IsImage2 ? 0 : is->Duration;
    int Width = -1, Height = -1;
    if (is->video_dec && is->video_dec->width > 0) {
      Width = is->video_dec->width;
      Height = is->video_dec->height;
    }
    auto Raise = [&] { OnFileOpen(this, Duration, Width, Height, ScreenWidth, ScreenHeight); };
    if (TriggerEventInMainThread)
      CallInMainThread(Raise);
    else
      Raise();
  }
  if (FScreenHandle && (ScreenWidth == 0 || ScreenHeight == 0)) {
    CallInMainThread([this] {
      RECT Client;
      if (!GetClientRect(FScreenHandle, &Client)) return;
      ScreenWidth = Client.Width();
      ScreenHeight = Client.Height();
    });
  }
}

void TCustomPlayer::EndEventThread() {
  if (!FEventThread) return;
  FEventThread->Terminate();
  FEventThread->WaitFor();
  FEventThread.reset();
}

void TCustomPlayer::PushEvent(int AType) {
  SDL_Event Event{};
  Event.type = static_cast<Uint8>(AType);
  if (FSDL.SDL_PushEvent) FSDL.SDL_PushEvent(&Event);
}

void TCustomPlayer::Stop(bool AWaitForStop) {
  const bool Playing = StopPlayback();
  if (!Playing) {
    // Nothing plays yet: an open may be blocked in the input; the interrupt callback
    // sees these and abandons it.
    FLastRead = 0;
    if (TVideoState* Opening = FVideoStateCB) Opening->abort_request = 1;
  }
  // A playback that closed on its own may still be ending on the play thread.
  if (AWaitForStop && (Playing || FPlayThread)) WaitForStop();
}

// Asks the playback to close, under the lock the event loop handles each event with, so
// that the state is not freed meanwhile. False when nothing plays.
bool TCustomPlayer::StopPlayback() {
  std::unique_lock Lock(FDataLock, std::defer_lock);
  while (!LockDataWithin(Lock, 10)) {
    if (!FVideoState) return false;
    PumpWhileWaiting();
  }
  TVideoState* is = FVideoState;
  if (!is) return false;
  if (is->paused) StreamTogglePause(is);
  is->step = 0;
  PushEvent(FF_QUIT_EVENT);
  return true;
}

// Takes FDataLock into ALock when it comes free within AMilliseconds, trying again
// every millisecond; false when it stays held.
bool TCustomPlayer::LockDataWithin(std::unique_lock<std::recursive_mutex>& ALock, int AMilliseconds) {
  const int64_t Deadline = MonotonicMicroseconds() + int64_t{AMilliseconds} * 1000;
  while (!ALock.try_lock()) {
    if (MonotonicMicroseconds() >= Deadline) return false;
    SleepMs(1);
  }
  return true;
}

// On the user-interface thread the waits run handed-over calls and window messages, so
// that the events the stopping threads hand over (OnState among them) are delivered.
void TCustomPlayer::PumpWhileWaiting() {
  if (!IsMainThread()) return;
  if (IsWindowSystemStarted())
    ProcessPendingMessages();
  else
    PumpMessages();
}

void TCustomPlayer::WaitForStop() {
  int Tries = 1;
  while (FStopEvent.WaitFor(100) != wrSignaled) {
    PumpWhileWaiting();
    if (!FVideoState) break;
    std::unique_lock Lock(FDataLock, std::defer_lock);
    if (!LockDataWithin(Lock, 100)) continue;
    // Under the lock the state is the event loop's no more: it cannot be freed now.
    TVideoState* is = FVideoState;
    if (!is) break;
    ++Tries;
    if ((Tries > 10 && is->Reading) || Tries > 20) {
      DoExit();
      break;
    }
    PushEvent(FF_QUIT_EVENT);
  }
  // The play thread ends right after it set the event.
  if (FPlayThread && FPlayThread->ThreadID() != GetCurrentThreadId()) {
    FPlayThread->WaitFor();
    FPlayThread.reset();
  }
  QuitSDL();
  // The play thread's close handed its part over; the waiter does it now.
  if (IsMainThread()) FinishPlayback();
}
