#pragma once
// FFUtils: the helpers that every engine component shares.
//
// - the pending FFmpeg option set of a component (TFFOptions) and the default-option
//   path that hands an option name to the codec, format, scaler or resampler options;
// - option tables (TOptionDef), the parser of one option and of a token list, and the
//   number and time parsers that option rows use;
// - stream specifiers ("a:1", "v", "p:1:0") and per-stream codec options;
// - name texts for streams, error texts for FFmpeg codes, texts of times;
// - the engine's own registries of protocols, input formats and filters, which it
//   consults before FFmpeg's, and the AVIOContext that serves an engine protocol.
//
// Everything here calls FFmpeg through the entry table FF, so the library a helper
// needs must be loaded (FFLoader()); ErrorToText, DurationToText, TimeZoneText and the
// name tables need none. Failures never end the process: parsers return negative
// FFmpeg codes and leave their message in OptionErrorText, or raise EConvertError.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

#include "Src/FFEntryPoints.h"
#include "Src/FormatConverter.h"
#include "platform/base/Clock.h"
#include "platform/base/Strings.h"

// ---------------------------------------------------------------------------------------
// The pending FFmpeg option set of one decoder, player or conversion task. The owner
// makes it with InitOptions and frees it with UninitOptions while the libraries are
// still loaded (an owner that holds FFmpeg objects frees it in its ReleaseFFObjects);
// what the fields point to belongs to the record.

struct TFFOptions {
  SwsContext* sws_opts = nullptr;       // a scaler context that only carries scaler options
  AVDictionary* format_opts = nullptr;  // pending format (demuxer/muxer) options
  AVDictionary* codec_opts = nullptr;   // pending codec options, keys may carry ":specifier"
  AVDictionary* swr_opts = nullptr;     // pending resampler options, checked when given
};

// Frees what AOptions holds, then makes the scaler context with AScalerFlags (SWS_*).
void InitOptions(TFFOptions& AOptions, int AScalerFlags);
// Calls nothing for an empty set, so an owner may call it again after its release.
void UninitOptions(TFFOptions& AOptions);

// Hands one FFmpeg option to whichever of codec, format and scaler knows its name (each
// one that does gets it); a name none of them knows goes to the resampler when it knows
// it. 0 when someone took it; AVERROR_OPTION_NOT_FOUND with "Unrecognized option \"%s\""
// in OptionErrorText when nobody did; the scaler's or resampler's code with
// "Error setting option \"%s\"" when it refused the value.
int SetDefaultOption(TFFOptions& AOptions, const String& AName, const String& AValue);

// ---------------------------------------------------------------------------------------
// Option tables. A row names an option and says what its argument is and where it goes.

enum : int {
  OPT_HAS_ARG = 0x0001,   // takes an argument
  OPT_BOOL = 0x0002,      // set to 1, or to 0 when written with the prefix "no"
  OPT_EXPERT = 0x0004,    // classification only
  OPT_STRING = 0x0008,    // a copy of the argument
  OPT_VIDEO = 0x0010,     // classification only
  OPT_AUDIO = 0x0020,     // classification only
  OPT_GRAB = 0x0040,      // classification only
  OPT_INT = 0x0080,       // 32-bit integer
  OPT_FLOAT = 0x0100,     // single-precision float
  OPT_SUBTITLE = 0x0200,  // classification only
  OPT_INT64 = 0x0400,     // 64-bit integer
  OPT_EXIT = 0x0800,      // classification only: a program-level option
  OPT_DATA = 0x1000,      // classification only
  OPT_FUNC2 = 0x2000,     // the handler also receives the option context
  OPT_OFFSET = 0x4000,    // u is an offset into the option context
  OPT_SPEC = 0x8000,      // per-stream: u is the offset of a TSpecifierOpts in the context
  OPT_TIME = 0x10000,     // a duration, parsed into 64-bit microseconds
  OPT_DOUBLE = 0x20000,   // double-precision float
};

// A value of a typed row: String for OPT_STRING; int for OPT_BOOL and OPT_INT; int64_t
// for OPT_INT64 and OPT_TIME; float for OPT_FLOAT; double for OPT_DOUBLE. A variable or
// context field that a row stores into has exactly that type.
using TOptionValue = std::variant<String, int, int64_t, float, double>;

// One per-stream value with the stream specifier written after the option's ":"
// (empty when none was given). A per-stream field keeps them in the order given.
struct TSpecifierOpt {
  String specifier;
  TOptionValue u;
};
using TSpecifierOpts = std::vector<TSpecifierOpt>;

// Where an OPT_OFFSET or OPT_SPEC row stores: the field's offset in the option context.
struct TOptionOffset {
  size_t Offset = 0;
};

// Handlers are methods of the object that owns the table, bound into the row. They get
// the option name as written (with its specifier) and the argument; a row without
// OPT_HAS_ARG gets the next token or "" and must not use it. A negative result fails
// the option; a handler may leave its own message in OptionErrorText first.
using TOptionHandler = std::function<int(const String& AOpt, const String& AArg)>;
using TOptionContextHandler = std::function<int(void* AOptCtx, const String& AOpt, const String& AArg)>;

struct TOptionDef {
  const char* name = nullptr;
  int flags = 0;
  // A typed row stores into a variable (void*) or, with OPT_OFFSET or OPT_SPEC, into a
  // field of the option context (TOptionOffset). An untyped row has a handler:
  // TOptionContextHandler with OPT_FUNC2, else TOptionHandler.
  std::variant<std::monostate, void*, TOptionOffset, TOptionHandler, TOptionContextHandler> u;
  const char* help = nullptr;
  const char* argname = nullptr;
};
using TOptionTable = std::vector<TOptionDef>;

// The message of the last failed option operation of the calling thread. Several tasks
// may parse options at once, so each thread keeps its own.
extern thread_local String OptionErrorText;

// The row whose name equals AName up to its first ":", or nullptr.
const TOptionDef* FindOption(const TOptionTable& AOptions, std::string_view AName);

// Applies one option (AOpt without its "-"; AArg the next token, or nullptr when there
// is none). Returns the number of argument tokens consumed (0 or 1), or -22 for an
// unknown option or a missing argument, or a failed handler's code. A value that does
// not parse raises EConvertError and stores nothing.
int ParseOption(void* AOptCtx, const String& AOpt, const char* AArg, const TOptionTable& AOptions);

// Applies a token list (no program name in front). Halting, the first failure ends the
// walk with its code (-1 for a token that is not an option); otherwise failures and
// stray tokens are logged and passed over, and the result is 0.
int ParseOptionList(void* AOptCtx, const std::vector<String>& ATokens, bool AHaltOnInvalidOption,
                    const TOptionTable& AOptions);

// The index of the first token that names the option AOptName ("no" forms included),
// or -1.
int LocateOption(const std::vector<String>& ATokens, const TOptionTable& AOptions, const String& AOptName);

// The argument of the first "loglevel" option, else of the first "v" option.
std::optional<String> FindLogLevelArgument(const std::vector<String>& ATokens, const TOptionTable& AOptions);

// Values of option AOptName; a text that does not convert raises EConvertError
// ("Expected integer for %s but found %s", ...). No range check beyond the type's.
int ParseInteger(const String& AOptName, const String& AText);
int64_t ParseInt64(const String& AOptName, const String& AText);
float ParseFloat(const String& AOptName, const String& AText);
double ParseDouble(const String& AOptName, const String& AText);
// A duration ("1.5", "01:02:03.5") or a date, in microseconds; raises EConvertError
// "Invalid duration specification for %s: %s" (or "date").
int64_t ParseTime(const String& AOptName, const String& AText, bool AIsDuration);

// Reads a whole file into a buffer from av_malloc with a zero byte after the data;
// ASize counts that zero byte. 0, or -1 when the file does not open, AVERROR(ENOMEM),
// AVERROR_EOF on a short read, AVERROR(EIO) on a read error. The caller frees the
// buffer with av_free. Needs the C library entries (myUtil).
int ReadFileToBuffer(const String& AFileName, uint8_t*& ABuffer, size_t& ASize);

// ---------------------------------------------------------------------------------------
// Stream specifiers and per-stream codec options.

// 1 when ASpecifier selects AStream of AContext, 0 when it does not, AVERROR(EINVAL)
// (logged as "Invalid stream specifier") when it is malformed. Forms: "" (every
// stream), "<index>", "v"/"a"/"s"/"d"/"t" with an optional ":<n>" (the n-th stream of
// that type), "p:<program id>" with an optional ":<position in the program>".
int check_stream_specifier(AVFormatContext* AContext, AVStream* AStream, const String& ASpecifier);

// The codec options of ACodecOpts that apply to AStream and ACodec, as a new dictionary
// (the caller frees it), keys without their specifier and without a media prefix letter
// ("ab" → "b"). nullptr when ACodec is nullptr, nothing applies, or a specifier is
// malformed.
AVDictionary* FilterCodecOptions(AVDictionary* ACodecOpts, const AVCodec* ACodec, AVFormatContext* AContext,
                                 AVStream* AStream);

// One dictionary per stream of AContext for avformat_find_stream_info (pass data()); the
// caller frees every entry with av_dict_free. Empty when the context has no streams.
std::vector<AVDictionary*> SetupFindStreamInfoOptions(AVFormatContext* AContext, AVDictionary* ACodecOpts);

// ---------------------------------------------------------------------------------------
// Name texts.

// The value of the first entry whose key equals AKey without regard to case, or ADefault.
String GetMetadataValue(const AVDictionary* AMetadata, const String& AKey, const String& ADefault);
// The encoder's or decoder's name with its long name ("mpeg4(MPEG-4 part 2)"); for a
// codec FFmpeg does not know, the codec tag ("XVID / 0x44495658", or "0x0000").
String CodecNameText(const AVCodecParameters* AParameters, bool AEncoder);
String MediaTypeName(AVMediaType AType);
String PictureTypeName(AVPictureType AType);
// Microseconds per frame at ARate; 40000 (25 frames a second) when a part is 0.
int64_t FrameDurationFromRate(AVRational ARate);
// Whether the codec time base FFmpeg's probing found for the video stream AStream
// does not give the container's base rate (H.264 and MPEG-2 video count two ticks a
// picture); a stream without both rates never differs.
bool CodecFrameRateDiffers(const AVStream* AStream);
// "Seems stream %d codec frame rate differs from container frame rate: ..." for AStream.
String CodecFrameRateDiffersText(const AVStream* AStream);

// ---------------------------------------------------------------------------------------
// Error and time texts.

// APrefix, ": " and the meaning of an FFmpeg, errno or Winsock code, or
// "Error number %d occurred" for a code the engine has no text for.
String ErrorToText(const String& APrefix, int ACode);

// "hh:mm:ss.mmm" (hours may have more digits; a minus sign in front of a negative
// time); "N/A" for AV_NOPTS_VALUE.
String DurationToText(int64_t AMicroseconds);
// The same for a time stamp in ATimeBase (needs avutil).
String TimestampToText(int64_t ATimestamp, AVRational ATimeBase);

// The local time zone's base bias (minutes such that UTC = local time + bias, daylight
// saving time not applied) as "UTC", or "UTC+hh:mm" / "UTC-hh:mm" with the sign of the
// bias itself. The zone is the process's (TZ).
String TimeZoneText();
// The offset of local time from UTC in days, from the same base bias.
double LocalTimeOffset();
// Seconds since 1970-01-01 UTC as a local date and time.
TDateTime UnixTimeToLocalDateTime(int64_t ASeconds);

// ---------------------------------------------------------------------------------------
// The engine's registries. FFmpeg 5.1 lets no program add protocols, input formats or
// filters, so the engine keeps its own and looks in them before asking FFmpeg. A record
// is registered once per name (exact, case-sensitive); a name already registered is left
// alone. A name that FFmpeg has too is registered: the engine's record shadows FFmpeg's
// (the engine's "rotate" filter takes whole degrees, FFmpeg's radians). The caller owns a record and keeps it
// alive while it is registered (registration lasts for the life of the process). Registering needs the
// library the registry belongs to (avformat for protocols and input formats, avfilter for filters): without
// it Assert fails ("Assertion failure"). Registering and looking up may happen on any thread.

// One opened URL of an engine protocol. Its methods are called on the thread that reads
// or writes the AVIOContext that wraps it.
class TURLConnection {
 public:
  virtual ~TURLConnection() = default;
  // Up to ASize bytes: the count read, AVERROR_EOF at the end, or a negative code.
  virtual int Read(uint8_t* ABuffer, int ASize) = 0;
  // All ASize bytes: ASize, or a negative code.
  virtual int Write(const uint8_t* ABuffer, int ASize) = 0;
  // AWhence SEEK_SET, SEEK_CUR or SEEK_END (AVSEEK_FORCE may be added): the new
  // position; AVSEEK_SIZE: the size. A negative code on failure.
  virtual int64_t Seek(int64_t APosition, int AWhence) = 0;
  // 0 or a negative code; a connection destroyed unclosed closes itself.
  virtual int Close() = 0;
};

class TURLProtocol {
 public:
  virtual ~TURLProtocol() = default;
  virtual String Name() const = 0;
  // Opens AURL (the whole text, "name:" included) with AFlags AVIO_FLAG_READ,
  // AVIO_FLAG_WRITE or AVIO_FLAG_READ_WRITE; nullptr and a negative AError on failure.
  virtual std::unique_ptr<TURLConnection> Open(const String& AURL, int AFlags, int& AError) = 0;
};

// An input device of the engine; the devices themselves come with the media tools.
class TEngineInputFormat {
 public:
  virtual ~TEngineInputFormat() = default;
  virtual String Name() const = 0;
};

// A video filter of the engine that runs between libavfilter filters of a chain.
class TEngineFilter {
 public:
  virtual ~TEngineFilter() = default;
  virtual String Name() const = 0;
  // The one-line text that says what the filter does; empty for a filter without one.
  virtual String Description() const { return ""; }
};

void RegisterProtocol(TURLProtocol& AProtocol);
void RegisterInputFormat(TEngineInputFormat& AInputFormat);
void RegisterFilter(TEngineFilter& AFilter);

// The registered record of that exact name, or nullptr.
TURLProtocol* FindProtocol(std::string_view AName);
TEngineInputFormat* FindInputFormat(std::string_view AName);
TEngineFilter* FindFilter(std::string_view AName);

// Opens AURL through the engine protocol named by the text before its first ":" and
// wraps the connection in an AVIOContext (set it as pb before avformat_open_input, or
// use it with avio_read and friends). nullptr with AError AVERROR_PROTOCOL_NOT_FOUND
// when no engine protocol serves the URL (then FFmpeg may open it itself), or with the
// protocol's code when opening failed.
AVIOContext* OpenProtocolIO(const String& AURL, int AFlags, int& AError);
// Flushes what was written, closes the connection and frees the context (after
// avformat_close_input, which leaves a caller's pb alone); AIO becomes nullptr. The
// close result: 0 or a negative code.
int CloseProtocolIO(AVIOContext*& AIO);
