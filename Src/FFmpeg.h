#pragma once
// FFmpeg: one conversion task of the encoder (TCustomFFmpeg) and the records that hold
// its state.
//
// A task is described by option texts in the converter's syntax: each input and the
// output get an option text (ParseOptions) and a preset text (ParsePresets) that fill
// the pending option state, which the next opening of an input (OpenInputFile) or of
// the output (OpenOutputFile) consumes. The opened inputs and outputs, their streams
// and the output streams' encoder choices live in the four record arrays below; the
// transcode reads them later.
//
// StartConvert runs the conversion once (Transcode): the set-up settles every output
// stream, the packet loop decodes, filters, encodes and muxes (or copies), and the end
// drains every stage into the files, which take their final names. Progress and the end
// come as the task's events.
//
// The implementation is split by concern: FFmpeg_Task (construction, failures, option
// state, time-outs), FFmpeg_OptionTable (the 140 rows), FFmpeg_Options (parsing option
// texts), FFmpeg_OptionHandlers, FFmpeg_MapHandlers, FFmpeg_Target, FFmpeg_Presets,
// FFmpeg_LegacyNames (old codec option and codec names), FFmpeg_StreamOptions
// (per-stream lookups), FFmpeg_OpenInput, FFmpeg_NewStreams, FFmpeg_OpenOutput,
// FFmpeg_OutputMetadata, FFmpeg_Join and FFmpeg_OutputFiles (end of the outputs). The
// run: FFmpeg_Run (StartConvert, Stop, Pause, the end of a run), FFmpeg_TranscodeInit,
// FFmpeg_CopySetup, FFmpeg_EncodeSetup, FFmpeg_FormatChoice, FFmpeg_OpenEncoders,
// FFmpeg_StreamMapping (the set-up), FFmpeg_TranscodeLoop, FFmpeg_ProcessPacket,
// FFmpeg_OutputPackets, FFmpeg_JoinSwitch (the loop), FFmpeg_AudioOutput,
// FFmpeg_AudioResampling, FFmpeg_VideoOutput, FFmpeg_FilterGraph, FFmpeg_VideoStats,
// FFmpeg_Subtitles and FFmpeg_Progress.
//
// Threads: a task is built on the thread that calls the encoder's list operations;
// while it runs only its converting thread touches it, except the stop flag (FBroken,
// set by Stop from any thread and read by the loop and the time-out callbacks). Failures
// inside a task are raised as FFmpegException after the text was kept in FLastErrMsg and
// logged; the run turns them into its end with FFatalException and FFatalMessage.

#include <array>
#include <atomic>
#include <climits>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "Src/FFBaseComponent.h"
#include "Src/FFLoad.h"
#include "Src/FFLog.h"
#include "Src/FFUtils.h"
#include "Src/FFmpegOwners.h"
#include "Src/MediaInput.h"
#include "Src/OutputTarget.h"
#include "Src/VideoFilterChain.h"
#include "platform/base/Exceptions.h"
#include "platform/base/Set.h"
#include "platform/base/Threads.h"

class FFmpegException : public Exception {
 public:
  using Exception::Exception;
};

// The priority of a converting thread, in the class library's steps. Linux gives each
// thread a nice value instead: FFmpeg_Run maps the steps onto nice values.
enum TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

// ---------------------------------------------------------------------------------------
// The pending option state of the next input or output, filled by the option table.

struct TStreamMap {
  int disabled = 0;
  int file_index = 0;
  int stream_index = 0;
  int sync_file_index = 0;
  int sync_stream_index = 0;
};

// -1 in the output fields means any output file or stream; a channel_idx of -1 is a
// silent channel.
struct TAudioChannelMap {
  int file_idx = -1;
  int stream_idx = -1;
  int channel_idx = -1;
  int ofile_idx = -1;
  int ostream_idx = -1;
};

// type_: 'g' global, 's' stream, 'c' chapter, 'p' program.
struct TMetadataMap {
  int file_idx = 0;
  char type_ = 'g';
  int index = 0;
};
// Element 0 is the output side, element 1 the input side.
using TMetadataMapPair = std::array<TMetadataMap, 2>;

// Per-stream fields keep one entry per occurrence of their option, with the stream
// specifier written after the option's ":"; the value types follow the rows' flags
// (texts String, integers and switches int, 64-bit integers int64_t).
struct TOptionsContext {
  int64_t start_time = 0;  // microseconds
  String format;
  TSpecifierOpts codec_names;
  TSpecifierOpts audio_channels;
  TSpecifierOpts audio_sample_rate;
  TSpecifierOpts rematrix_volume;  // float
  TSpecifierOpts frame_rates;
  TSpecifierOpts frame_sizes;
  TSpecifierOpts frame_pix_fmts;
  int64_t input_ts_offset = 0;  // microseconds
  int rate_emu = 0;
  TSpecifierOpts ts_scale;  // double
  TSpecifierOpts dump_attachment;
  std::vector<TStreamMap> stream_maps;
  std::vector<TAudioChannelMap> audio_channel_maps;
  std::vector<TMetadataMapPair> meta_data_maps;
  int metadata_global_manual = 0;
  int metadata_streams_manual = 0;
  int metadata_chapters_manual = 0;
  std::vector<String> attachments;
  int chapters_input_file = INT_MAX;   // INT_MAX: the first input with chapters
  int64_t recording_time = INT64_MAX;  // microseconds; INT64_MAX: no limit
  int64_t limit_filesize = INT64_MAX;  // bytes; INT64_MAX: no limit
  float mux_preload = 0;               // seconds
  float mux_max_delay = 0.7f;          // seconds
  int video_disable = 0;
  int audio_disable = 0;
  int subtitle_disable = 0;
  int data_disable = 0;
  std::vector<int> streamid_map;  // stream ids by output stream index
  TSpecifierOpts metadata;        // "key=value"; the specifier names the target
  TSpecifierOpts max_frames;      // int64_t
  TSpecifierOpts bitstream_filters;
  TSpecifierOpts codec_tags;
  TSpecifierOpts sample_fmts;
  TSpecifierOpts qscale;  // double
  TSpecifierOpts forced_key_frames;
  TSpecifierOpts force_fps;
  TSpecifierOpts frame_aspect_ratios;
  TSpecifierOpts rc_overrides;
  TSpecifierOpts intra_matrices;
  TSpecifierOpts inter_matrices;
  TSpecifierOpts top_field_first;
  TSpecifierOpts copy_initial_nonkeyframes;
  TSpecifierOpts filters;
};

// ---------------------------------------------------------------------------------------
// The opened inputs and outputs. The task owns the records and what they hold.

struct TInputFile {
  std::unique_ptr<TMediaInput> input;  // owns ctx
  AVFormatContext* ctx = nullptr;
  String file_name;
  int eof_reached = 0;    // reading failed or ended
  int ist_index = 0;      // index of the file's first TInputStream
  int64_t ts_offset = 0;  // microseconds added to every time stamp of the file
  int nb_streams = 0;     // streams when opened; later streams are ignored
  int rate_emu = 0;       // read at real-time speed
};

// Times are microseconds on the output's time line (the file's ts_offset applied).
struct TInputStream {
  int file_index = 0;
  AVStream* st = nullptr;
  int discard = 1;  // no output uses it (yet)
  int decoding_needed = 0;
  const AVCodec* avdec = nullptr;
  TCodecContextPtr dec_ctx;  // the opened decoder while the task runs
  TFramePtr decoded_frame;
  std::unique_ptr<TVideoFilterChain> deinterlacer;  // with "-deinterlace"
  int64_t start = 0;                                // clock value when rate emulation began
  int64_t next_pts = AV_NOPTS_VALUE;                // expected time of the next data
  int64_t pts = 0;                                  // time of the data being processed
  double ts_scale = 1.0;                            // factor on packet time stamps
  int is_start = 1;                                 // no audio sync correction yet
  TDictionary opts;                                 // decoder options
  int frame_number = 0;                             // pictures pre-processed so far
  int decoder_flushed = 0;                          // drained at the end of its join segment
};

// In join mode every segment has its own TOutputFile; all share the first one's target.
struct TOutputFile {
  std::shared_ptr<TOutputTarget> target;
  AVFormatContext* ctx = nullptr;  // the target's context
  TDictionary opts;                // muxer options
  int ost_index = 0;               // index of the file's first TOutputStream
  int64_t recording_time = INT64_MAX;
  int64_t start_time = 0;
  int64_t limit_filesize = INT64_MAX;
  bool header_written = false;  // so the trailer is due
};

// What the run keeps about one FFmpeg stream of the output: its counters, the encoder's
// last figures and its pending audio. Shared by the join segments that write into the
// stream, so each segment continues where the one before it ended.
struct TStreamOutputState {
  int64_t sync_opts = 0;              // time of the next frame in the encoder time base
  int64_t frame_number = 0;           // frames encoded or packets copied
  int64_t last_dts = AV_NOPTS_VALUE;  // last decoding time of a stream copy, stream time base
  int64_t end_time = AV_NOPTS_VALUE;  // muxer time: end of the last packet written, microseconds
  int encoder_flushed = 0;
  int forced_kf_index = 0;  // next pending forced key-frame time
  TAudioFifoPtr fifo;       // encoder-format samples waiting for a whole encoder frame
  TFramePtr frame;          // the frame handed to the audio encoder, reused
  std::unique_ptr<FILE, int (*)(FILE*)> logfile{nullptr, &fclose};  // first pass's log
  // What the encoder said of its last packet (AV_PKT_DATA_QUALITY_STATS).
  bool has_coded_frame = false;
  int quality = 0;
  AVPictureType pict_type = AV_PICTURE_TYPE_NONE;
  std::array<uint64_t, 4> error{};  // squared errors of the last frame (PSNR)
  std::array<uint64_t, 4> error_sum{};
};

// The resampler of one record: it converts its segment's samples into the encoder's.
struct TAudioResampling {
  TResamplerPtr swr;
  int active = 0;  // audio_resample: the samples go through swr
  // The input the resampler was built for.
  AVSampleFormat sample_fmt = AV_SAMPLE_FMT_NONE;
  int channels = 0;
  int sample_rate = 0;
};

// Join segments are copies of the first segment's records and share their FFmpeg
// streams, encoder contexts, bitstream filters and output state; the set-up gives each
// record its own filter chain or resampler, for its own input.
struct TOutputStream {
  int file_index = 0;
  int index = 0;          // stream number in its file
  int source_index = -1;  // the feeding TInputStream; -1 for an attachment or no source yet
  int sync_ist = -1;      // the TInputStream that times it
  AVStream* st = nullptr;
  TCodecContextPtr enc_ctx;  // one encoder context per stream
  const AVCodec* enc = nullptr;
  int stream_copy = 0;
  int encoding_needed = 0;
  int is_past_recording_time = 0;
  int not_show_fps = 0;  // left out of the frame figures of the progress report
  std::shared_ptr<TStreamOutputState> state;
  std::shared_ptr<TVideoFilterChain> filter;
  std::shared_ptr<TAudioResampling> resampling;
  TDictionary opts;  // encoder options
  int64_t max_frames = INT64_MAX;
  std::vector<TBitstreamFilterPtr> bitstream_filters;  // initialised when the stream is set up
  int64_t sws_flags = 0;
  AVRational frame_rate{0, 0};
  float frame_aspect_ratio = 0;        // 0: keep
  std::vector<int64_t> forced_kf_pts;  // microseconds
  int force_fps = 0;
  int top_field_first = -1;  // -1: from the input
  String avfilter;           // the user's filter chain
  int copy_initial_nonkeyframes = 0;
  float rematrix_volume = 1.0f;
  std::array<int, 16> audio_channels_map{};
  int audio_channels_mapped = 0;
  String attachment_filename;
};

// A codec tag given as a number ("0x31637661") or as up to four characters ("avc1").
uint32_t CodecTagFromText(const String& AText);

// ---------------------------------------------------------------------------------------

class TBitmap;
class TPreviewer;

// The switches of a task's preview: the preview window, the preview-bitmap event, and
// a system bitmap handle (kept for the switch set's sake: this platform has no such
// handles, so it shows nothing).
enum TPostHook { phPreview, phBitmap, phHBITMAP };
using TPostHooks = TSet<TPostHook>;

// A task is a TObject: it is the sender of its events and of its log lines.
class TCustomFFmpeg : public TObject, public TFFObjectHolder {
 public:
  // Needs the engine's libraries loaded (Assert).
  TCustomFFmpeg();
  ~TCustomFFmpeg() override;

  // Frees the inputs, the outputs (an unfinished file is discarded), the hooks' objects
  // and the pending options: before the libraries go, or when the task is destroyed.
  // A released task keeps no files and no pending options; it can only be destroyed.
  void ReleaseFFObjects() override;

  // Apply an option text ("-c:v mpeg4 -b:v 1M") or a preset text (name=value lines) to
  // the pending option state. Raise FFmpegException on an invalid option while
  // HaltOnInvalidOption is set; an option whose handler fails raises in any case.
  void ParseOptions(const String& AText);
  void ParsePresets(const String& AText);
  // Whether the option text gives ASwitch (such as "Join") as an option of its own:
  // the text is split into arguments and the arguments of other options are passed
  // over, so a file name or filter text that contains the word does not count.
  bool IsSwitchGiven(const String& AText, const String& ASwitch) const;

  // Opens one more input with the pending option state: its index in the task, or a
  // negative FFmpeg code with FLastErrMsg set. Raises for failures inside the opening.
  int OpenInputFile(const String& AFileName);
  // Creates the output with the pending option state: its index, or -1 with
  // FLastErrMsg set; a failure leaves the task as it was. An output that names one of
  // the task's inputs is refused before anything is created. Raises when the task has
  // no input yet. With AJoin and several inputs the task enters join mode and
  // JoinOutputs must follow.
  int OpenOutputFile(const String& AFileName, bool AJoin);
  // Builds one output segment per further input, all writing into the one file: 0, or
  // -1 with FLastErrMsg set.
  int JoinOutputs();

  // The end of the outputs, called when the task ends: Finish gives every output file
  // its final name (0, or a negative code with FLastErrMsg set; a file that could not
  // be finished is removed); Discard removes what was written. A task released without
  // either discards.
  int FinishOutputFiles();
  void DiscardOutputFiles();

  // The two-pass log file of an output stream: the pass-log prefix ("-passlogfile",
  // else one that is unique to this task in the temporary folder), "-", the stream
  // number and ".log".
  String PassLogFileName(int AOutputStreamIndex) const;

  // The hook bitmap depth: 8, 15, 16, 24 or 32, else raises "Invalid BitsPixel %d".
  void SetVideoHookBitsPixel(int ABitsPixel);

  // --- The run.

  // Raised on the task's thread at most once per ReportInterval while the task runs,
  // and once more at its end with AFileIndex -1 (figures as the status line's).
  using TProgressEvent = std::function<void(TObject* Sender, int AFileIndex, int AFrameNumber, int AFPS,
                                            float AQuality, float ABitRate, int64_t ACurrentSize,
                                            int64_t ACurrentDuration, int64_t ATotalDuration)>;
  // Raised once when the task has ended, on the thread that ran it: FFinished,
  // FFatalException and FFatalMessage tell how.
  using TTerminateEvent = std::function<void(TObject* Sender)>;

  // Runs the conversion once. In place (AUseThread false): the whole run happens inside
  // the call, the terminate event included, and the result is nullptr. With a thread:
  // the task's converting thread, created and not yet started; the caller starts it
  // (Start) and must not touch it after the terminate event, since it frees itself.
  // nullptr when the task is running or has run (a task runs once). A task without an
  // input or output ends at once with its terminate event and the error.
  // Callable from any thread; the events come on the thread that runs the conversion.
  // The converting thread runs at APriority.
  TThread* StartConvert(bool AUseThread, TThreadPriority APriority = tpNormal);
  // Asks the run to stop: the loop ends at its next step and the output is completed
  // up to that point (FFinished false). With AWaitForStop the call returns when the
  // converting thread has ended; on the user-interface thread it keeps handed-over
  // calls running while it waits. Callable from any thread.
  void Stop(bool AWaitForStop);
  // The encoder's stop step: a converting task stops; a task that never started ends at
  // once with its terminate event (FFinished false), on the calling thread; an ended
  // task is left alone. For a task that nobody starts meanwhile.
  void StopOrTerminate(bool AWaitForStop);
  // Pause of a run on its converting thread (an in-place run is not paused): the loop
  // finishes the packet in hand and waits before the next one, holding no lock, until
  // Resume or Stop; the read and write time-outs do not count the pause. With
  // AWaitForPause the call returns once the run waits or has ended (a read that blocks
  // delays that until it returns); on the user-interface thread it keeps handed-over
  // calls running meanwhile. Callable from any thread.
  void Pause(bool AWaitForPause);
  void Resume();

  TProgressEvent FOnProgress;
  TTerminateEvent FOnTerminate;
  int64_t ReportInterval = 500000;  // microseconds between two progress reports

  std::atomic<bool> FBroken{false};  // the stop flag
  std::atomic<bool> FConverting{false};
  std::atomic<bool> FTerminated{false};
  bool FFinished = false;  // ran to its end without a stop
  bool FFatalException = false;
  String FFatalMessage;

  // The task's failure step: the text becomes FLastErrMsg, is logged at fatal level with
  // the task as sender and raised as FFmpegException.
  [[noreturn]] void RaiseError(const String& AText);
  template <typename... Args>
  [[noreturn]] void RaiseErrorFmt(const char* AFormat, const Args&... AArgs) {
    RaiseError(Format(AFormat, AArgs...));
  }

  // The state below is open to the engine's code that sets up and runs the task, and to
  // the tests; the application works through the encoder component.

  // --- The converter's global state, set by options (initial values as the converter's).
  int Fframe_bits_per_raw_sample = 0;
  int Fvideo_discard = 0;
  int Fdo_deinterlace = 0;
  int Fintra_dc_precision = 8;
  int Floop_input = 0;
  int Floop_output = -1;
  int Fqp_hist = 0;
  int Fintra_only = 0;
  String Fvideo_codec_name;  // decoders forced on later inputs
  String Faudio_codec_name;
  String Fsubtitle_codec_name;
  int Ffile_overwrite = 0;
  int Fno_file_overwrite = 0;
  int Fdo_hex_dump = 0;
  int Fdo_pkt_dump = 0;
  int Fdo_psnr = 0;
  int Fdo_pass = 0;  // bit 1: first pass, bit 2: second pass
  String Fpass_logfilename_prefix;
  int Fvideo_sync_method = -1;
  int Faudio_sync_method = 0;
  float Faudio_drift_threshold = 0.1f;
  int Fcopy_ts = 0;
  int Fcopy_tb = -1;
  int Fopt_shortest = 0;
  String Fvstats_filename;
  int Faudio_volume = 256;
  int Fexit_on_error = 0;
  int Finput_sync = 0;
  float Fdts_delta_threshold = 10;
  int Fprint_stats = 1;

  // Figures of the run.
  int64_t Fvideo_size = 0;  // bytes
  int64_t Faudio_size = 0;
  int64_t Fextra_size = 0;
  int Fnb_frames_dup = 0;
  int Fnb_frames_drop = 0;
  bool FShowDupOrDrop = false;  // a drop or duplication since the last status line logged
  std::array<int, 52> Fqp_histogram{};

  bool Fusing_vhook = false;  // "vhook" added a video-hook module
  int FVideoHookBitsPixel = 24;

  // --- Records.
  std::vector<std::unique_ptr<TInputFile>> Finput_files;
  std::vector<std::unique_ptr<TInputStream>> Finput_streams;
  std::vector<std::unique_ptr<TOutputFile>> Foutput_files;
  std::vector<std::unique_ptr<TOutputStream>> Foutput_streams;

  // --- Pending options.
  TFFOptions FOptions;  // codec, format and scaler options for FFmpeg
  TOptionTable options;
  TOptionsContext optctx;

  bool FJoinMode = false;
  int Fnb_output_streams_join = 0;  // streams per join segment

  // Totals for progress, microseconds; -1 when unknown.
  int64_t FInputDuration = -1;
  int64_t FOutputDuration = -1;

  String FLastErrMsg;
  bool HaltOnInvalidOption = true;

  // Milliseconds a blocking read or write may take; 0 means no limit. The clock values
  // of the last read and write start (monotonic microseconds; INT64_MAX: not armed).
  int FReadTimeout = 30000;
  int FWriteTimeout = 30000;
  int64_t FLastRead = INT64_MAX;
  int64_t FLastWrite = INT64_MAX;
  AVIOInterruptCB FReadCallback{};
  AVIOInterruptCB FWriteCallback{};

  // Raised by OpenInputFile on the opening thread, before the streams are probed; the
  // handler may adjust the context.
  TBeforeFindStreamInfoEvent FOnBeforeFindStreamInfo;

  // --- Hooks (FFmpeg_Hooks*.cpp): the application's look at the pictures and samples of
  // the run. Every hook is raised on the task's thread. Frame numbers count from 1 per
  // stream; times are microseconds.

  // A picture as a bitmap of VideoHookBitsPixel bits. AUpdate (true on entry): the
  // handler changed the bitmap and the picture is to take the change; AStopHook (false
  // on entry): the hook is not raised again for this task. The input hook sees each
  // decoded picture before the filter chains, the output hook each picture before it
  // is encoded.
  using TVideoHookEvent = std::function<void(TObject* Sender, TBitmap* ABitmap, int AFrameNumber,
                                             int64_t APTS, bool& AUpdate, bool& AStopHook)>;
  // The picture itself, which the handler may change in place (nobody else holds it).
  using TFrameHookEvent = std::function<void(TObject* Sender, AVFrame* APicture, AVPixelFormat APixFmt,
                                             int AFrameNumber, int AWidth, int AHeight, int64_t APTS)>;
  // The decoded samples before the volume, interleaved (planar formats come as their
  // packed counterpart); the handler may change them in place, keeping their size.
  using TAudioHookEvent = std::function<void(TObject* Sender, int64_t APTS, uint8_t* ASample, int ASize,
                                             int ASampleRate, int AChannels, AVSampleFormat ASampleFormat)>;
  // A picture being encoded, at most once per PreviewInterval, while phBitmap is on.
  using TPreviewBitmapEvent =
      std::function<void(TObject* Sender, TBitmap* ABitmap, int AFrameNumber, int64_t APTS)>;
  TAudioHookEvent FOnAudioHook;
  TVideoHookEvent FOnInputVideoHook;
  TVideoHookEvent FOnOutputVideoHook;
  TFrameHookEvent FOnInputFrameHook;
  TFrameHookEvent FOnOutputFrameHook;
  TPreviewBitmapEvent FOnPreviewBitmap;

  // The preview switches; any thread, also while the task runs. Turning phPreview off
  // closes the preview window.
  TPostHooks PostHooks() const;
  void SetPostHooks(TPostHooks AHooks);
  // Microseconds (of the monotonic clock) between two previews; set before the run.
  int64_t PreviewInterval = 100000;
  // The preview window of the run; nullptr while there is none. For tests.
  TPreviewer* Previewer() const;

  // Steps of the run. The input hooks (and video-hook modules) and the output and post
  // hooks give the picture to go on with: AFrame itself, or a private copy that the
  // hooks changed. The audio hook changes AFrame's samples in place.
  AVFrame* RunInputHooks(const TInputStream& AInput, AVFrame* AFrame);
  AVFrame* RunOutputHooks(const TOutputStream& AStream, AVFrame* AFrame);
  void RunAudioHook(const TInputStream& AInput, AVFrame* AFrame);
  // Why a stream copy of AType cannot be made while hooks want its frames (the
  // set-up's failure text), or empty.
  String CopyConflictWithHooks(AVMediaType AType) const;
  // Loads the video-hook module AArguments[0] (once per process) and appends it,
  // configured with AArguments, to the task's chain; false when it cannot serve.
  bool AddVideoHookModule(const std::vector<String>& AArguments);
  // Releases the video-hook modules, the hook pictures and the preview window.
  void ReleaseHooks();

  struct THookState;
  struct THookStateDeleter {
    void operator()(THookState* AState) const;
  };
  static THookState* NewHookState();
  std::unique_ptr<THookState, THookStateDeleter> FHookState{NewHookState()};

  // --- Per-stream lookups: the value of the last entry of AOpts whose specifier
  // matches AStream; AValue is left alone when none does. A malformed specifier raises.
  template <typename T>
  void MatchPerStreamOption(const TSpecifierOpts& AOpts, AVFormatContext* AContext, AVStream* AStream,
                            T& AValue);

  // The codec of that name, with old names translated; raises "Unknown %s '%s'" or
  // "Invalid %s type '%s'".
  const AVCodec* FindCodecByName(const String& AName, AVMediaType AType, bool AEncoder);

 private:
  // One input stream chosen for a new output stream: its kind, the feeding stream and
  // the stream that times it (indexes into Finput_streams).
  struct TSourceChoice {
    AVMediaType Type;
    int Source;
    int Sync;
  };
  // What OpenOutputFile has built so far, for its rollback.
  struct TOpeningOutput {
    std::shared_ptr<TOutputTarget> Target;
    size_t OutputStreams = 0;  // stream records before the opening
    bool FileAdded = false;
    int64_t OutputDuration = -1;
  };

  // Task (FFmpeg_Task.cpp)
  void InitOptionState();
  void ReleaseRecords();
  void ReleaseOptionState();
  void ResetOptionState(bool AIsInput);
  void CheckUnusedOptions(AVDictionary* AOptions);
  static int ReadInterrupt(void* AOpaque);
  static int WriteInterrupt(void* AOpaque);
  void Log(TLogLevel ALevel, const String& AText);

  // Option table and handlers (FFmpeg_OptionTable, FFmpeg_Options, FFmpeg_OptionHandlers,
  // FFmpeg_MapHandlers, FFmpeg_Target, FFmpeg_Presets, FFmpeg_LegacyNames)
  void BuildOptionTable();
  int ParseAs(const String& AName, const String& AArg);
  int ApplyDefaultOption(const String& AName, const String& AValue);
  int ApplyPresetLine(const String& AName, const String& AValue);
  int OptUnsupportedIgnored(const String& AOpt);
  int OptUnsupported(const String& AOpt);
  int OptRemovedCrop(const String& AOpt);
  int OptRemovedPad(const String& AOpt);
  int OptLostMeaning(const String& AOpt);
  int OptLogLevel(const String& AArg);
  int OptDebug(const String& AOpt, const String& AArg);
  int OptAudioCodec(const String& AArg);
  int OptVideoCodec(const String& AArg);
  int OptSubtitleCodec(const String& AArg);
  int OptDataCodec(const String& AArg);
  int OptMap(const String& AArg);
  int OptMapChannel(const String& AArg);
  int OptMapMetadata(const String& AOpt, const String& AArg);
  bool ReadMetadataType(const String& AText, TMetadataMap& AMap);
  int OptAttach(const String& AArg);
  int OptStreamId(const String& AOpt, const String& AArg);
  int OptRecordingTimestamp(const String& AOpt, const String& AArg);
  int OptTarget(const String& AArg);
  int OptPass(const String& AOpt, const String& AArg);
  int OptPassLogFile(const String& AArg);
  int OptVStatsFile(const String& AArg);
  int OptVStats();
  int OptVideoHook(const String& AArg);
  int OptVideoHookBitsPixel(const String& AArg);
  int OptBitrate(const String& AOpt, const String& AArg);
  int OptPresetFile(const String& AArg);

  // Inputs (FFmpeg_OpenInput)
  std::unique_ptr<TMediaInput> CreateInput(const String& AFormat, int& AError);
  void SetInputFormatOptions(const TOptionsContext& o);
  String ForcedDecoderName(AVMediaType AType) const;
  void ForceDecoders(AVFormatContext* AContext);
  const AVCodec* ChooseDecoder(TOptionsContext& o, AVFormatContext* AContext, AVStream* AStream);
  void AddInputStreams(TOptionsContext& o, AVFormatContext* AContext);
  void DumpAttachment(AVStream* AStream, const String& AFileName);
  bool CheckOverwrite(const String& AFileName);

  // New output streams (FFmpeg_NewStreams). ASourceIndex: the feeding input stream, or
  // -1 (attachments).
  TOutputStream& NewOutputStream(TOptionsContext& o, AVFormatContext* AContext, AVMediaType AType,
                                 int ASourceIndex);
  TOutputStream& NewVideoStream(TOptionsContext& o, AVFormatContext* AContext, int ASourceIndex);
  TOutputStream& NewAudioStream(TOptionsContext& o, AVFormatContext* AContext, int ASourceIndex);
  TOutputStream& NewSubtitleStream(TOptionsContext& o, AVFormatContext* AContext, int ASourceIndex);
  TOutputStream& NewDataStream(TOptionsContext& o, AVFormatContext* AContext, int ASourceIndex);
  TOutputStream& NewAttachmentStream(TOptionsContext& o, AVFormatContext* AContext, int ASourceIndex);
  TOutputStream* NewStreamOfType(TOptionsContext& o, AVFormatContext* AContext, AVMediaType AType,
                                 int ASourceIndex);
  void ChooseEncoder(TOptionsContext& o, AVFormatContext* AContext, TOutputStream& AStream);
  void ParseForcedKeyFrames(const String& AText, TOutputStream& AStream);
  void ParseMatrixCoefficients(uint16_t* ADestination, const String& AText);
  double ParseFrameAspectRatio(const String& AText);

  // Outputs (FFmpeg_OpenOutput, FFmpeg_OutputMetadata, FFmpeg_Join)
  String SameFileAsInput(const String& AFileName) const;
  int BuildOutputFile(TOptionsContext& o, const String& AFileName, bool AJoin);
  std::vector<TSourceChoice> AutomaticSources(const TOptionsContext& o, const AVOutputFormat* AFormat,
                                              int AOnlyFile) const;
  bool MappedSources(const TOptionsContext& o, int AOnlyFile, std::vector<TSourceChoice>& ASources);
  void UseSource(TOutputStream& AStream, const TSourceChoice& AChoice);
  int AddAttachments(TOptionsContext& o, AVFormatContext* AContext);
  int SelectChapters(TOptionsContext& o, TOutputFile& AOutput);
  int CopyChapters(const TInputFile& AInput, TOutputFile& AOutput, bool ACopyMetadata);
  int ApplyMetadataMaps(TOptionsContext& o, AVFormatContext* AContext);
  void CopyDefaultMetadata(TOptionsContext& o, AVFormatContext* AContext, const TOutputFile& AOutput);
  int ApplyMetadataOptions(TOptionsContext& o, AVFormatContext* AContext);
  int FailOutput(const String& AText);
  void AbortOutputFile();
  int AddJoinOutput(int AInputFile);
  TOutputStream* FindJoinStream(AVMediaType AType, size_t AFirstRecord);

  TOpeningOutput FOpening;

  // --- The run (FFmpeg_Run): one conversion on the converting thread or in place.
  class TConvertThread;
  void RunConvert();
  void RecordFailure(const String& AMessage);
  void DoTerminate();
  // The loop's pause point, between two packets.
  void WaitWhilePaused();

  // Set-up (FFmpeg_TranscodeInit, FFmpeg_CopySetup, FFmpeg_EncodeSetup, FFmpeg_FormatChoice,
  // FFmpeg_StreamMapping): 0 or a negative FFmpeg code with FLastErrMsg set.
  int transcode_init();
  int PrepareOutputStream(int AIndex);
  int PrepareStreamCopy(TOutputStream& AStream, const TInputStream& AInput);
  int CheckJoinedCopy(const TOutputStream& AStream, const TInputStream& AInput);
  int PrepareEncoding(TOutputStream& AStream, TInputStream& AInput, int AIndex, bool ALater);
  int PrepareAudioEncoding(TOutputStream& AStream, const TInputStream& AInput);
  int PrepareVideoEncoding(TOutputStream& AStream, TInputStream& AInput, bool ALater);
  int PrepareTwoPass(TOutputStream& AStream, int AStreamIndex);
  int OpenEncoder(TOutputStream& AStream);
  int InitBitstreamFilters(TOutputStream& AStream);
  int InitInputStream(int AIndex, String& AError);
  void DiscardUnusedInputs();
  int WriteHeaders();
  void ChooseSampleRate(TOutputStream& AStream, const AVCodec* ACodec);
  void ChooseSampleFormat(TOutputStream& AStream, const AVCodec* ACodec);
  void ChoosePixelFormat(TOutputStream& AStream, const AVCodec* ACodec);
  AVRational ChooseFrameRate(TOutputStream& AStream, const TInputStream& AInput);
  void CheckExperimentalCodec(const AVCodecContext* AContext, bool AEncoder);
  void DumpStreamMapping();
  void LogSdp();

  // The loop (FFmpeg_TranscodeLoop, FFmpeg_ProcessPacket, FFmpeg_OutputPackets,
  // FFmpeg_JoinSwitch).
  void Transcode();
  int ChooseInputFile(int ACurrentFile, const std::vector<bool>& ANoPacket);
  void LimitToInputEnd(int AFileIndex);
  bool AdjustPacketTimestamps(AVPacket* APacket, int AFileIndex);
  void EndTranscode();
  void ReleaseTranscode();
  void SwitchJoinSegment(int AFileIndex);
  int ProcessPacket(TInputStream& AInput, const AVPacket* APacket);
  int DecodePacket(TInputStream& AInput, const AVPacket* APacket);
  void AdvanceCopiedStream(TInputStream& AInput, const AVPacket* APacket);
  bool CheckOutputLimits(const TInputStream& AInput, TOutputStream& AStream);
  bool TakesInput(const TOutputStream& AStream, const TInputStream& AInput) const;
  void CopyPacket(TInputStream& AInput, TOutputStream& AStream, const AVPacket* APacket);
  void EmulateRate(const TInputStream& AInput);
  // Packets of an encoder or a stream copy in ATimeBase: through the bitstream filters
  // to the muxer.
  void WriteOutputPacket(TOutputStream& AStream, AVPacket* APacket, AVRational ATimeBase);
  void PassBitstreamFilters(TOutputStream& AStream, AVPacket* APacket, size_t AFilter, AVRational ATimeBase);
  void MuxPacket(TOutputStream& AStream, AVPacket* APacket, AVRational ATimeBase);
  // Sends AFrame (nullptr: the end) to the stream's encoder and writes what it gives;
  // the bytes written. AFailure is raised when the encoder fails.
  int EncodeFrame(TOutputStream& AStream, const AVFrame* AFrame, const char* AFailure);
  void FlushEncoders(size_t ACount);
  void FlushFilterChains(size_t AFirst, size_t ACount);

  // Audio (FFmpeg_AudioOutput, FFmpeg_AudioResampling).
  int DecodeAudio(TInputStream& AInput, AVFrame* AFrame);
  void do_audio_out(TOutputStream& AStream, const AVFrame* AFrame, TInputStream& AInput);
  void ConfigureResampler(TOutputStream& AStream, const AVFrame* AFrame, const TInputStream& AInput);
  int SyncAudio(TOutputStream& AStream, const AVFrame* AFrame, TInputStream& AInput);
  void QueueAudio(TOutputStream& AStream, const uint8_t* const* AData, int ASamples);
  void EncodeAudioFifo(TOutputStream& AStream, bool AFlush);
  uint8_t** AudioBuffer(const AVCodecContext* AEncoder, int ASamples);

  // Video (FFmpeg_VideoOutput, FFmpeg_FilterGraph, FFmpeg_VideoStats).
  // AFixedSize: the encoder is set up already; the chain must give its size.
  int ConfigureVideoGraph(TOutputStream& AStream, const TVideoFormat& AFormat, bool AFixedSize);
  TVideoFormat DecodedVideoFormat(const TInputStream& AInput) const;
  int DecodeVideo(TInputStream& AInput, AVFrame* AFrame);
  void pre_process_video_frame(TInputStream& AInput, AVFrame* AFrame);
  void FeedVideoOutputs(TInputStream& AInput, AVFrame* AFrame);
  void DrainVideoFilter(TOutputStream& AStream, const TInputStream& AInput);
  void EncodeVideoFrame(TOutputStream& AStream, AVFrame* AFrame, const TInputStream& AInput);
  void WriteVideoStats(TOutputStream& AStream, int AFrameSize);

  // Subtitles (FFmpeg_Subtitles).
  int DecodeSubtitle(TInputStream& AInput, const AVPacket* APacket);
  void EncodeSubtitle(TOutputStream& AStream, int64_t APts, const AVSubtitle& ADecoded,
                      const TInputStream& AInput);

  // Progress (FFmpeg_Progress).
  void ReportProgress(int64_t ANow, int64_t ATimerStart, bool AIsLast, int AFileIndex);

  std::mutex FThreadLock;  // guards FThread against the thread's own end
  TThread* FThread = nullptr;
  TEvent FStopEvent{true, true};               // set while no converting thread runs
  std::atomic<bool> FEnding{false};            // the end steps run: a stop no longer aborts writes
  std::atomic<TThreadID> FConvertThreadID{0};  // the converting thread, once it runs
  // The pause: FPauseRequested is read by the loop without the lock; it is written, and
  // FPauseReached (the loop waits) read and written, under FPauseLock.
  std::mutex FPauseLock;
  std::condition_variable FPauseChanged;
  std::atomic<bool> FPauseRequested{false};
  bool FPauseReached = false;
  // Buffers of the run that only grow.
  TFramePtr FFilteredFrame;      // a picture out of a filter chain
  TFramePtr FDeinterlacedFrame;  // a picture out of a deinterlacer
  TPacketPtr FEncodedPacket;     // a packet out of an encoder
  TPacketPtr FCopyPacket;        // a packet of a stream copy
  TFramePtr Faudio_buf;          // resampled audio on its way into a FIFO
  int Fallocated_audio_buf_samples = 0;
  std::vector<uint8_t> Fsubtitle_out;
  std::unique_ptr<FILE, int (*)(FILE*)> Fvstats_file{nullptr, &fclose};
};
