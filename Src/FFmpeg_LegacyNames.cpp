// Codec and codec option names of the converter's generation that FFmpeg 5.1 no longer
// knows. Profiles and preset texts were written with them, so where FFmpeg has an
// equivalent the old name is translated; an option whose effect FFmpeg dropped is
// accepted with a warning; anything else goes to FFmpeg as it is.

#include <map>

#include "Src/FFmpeg.h"

namespace {

// Old option name → today's name.
const std::map<String, String, std::less<>> RenamedOptions = {
    {"directpred", "direct-pred"},
    {"nr", "noise_reduction"},
    {"cqp", "qp"},
};

// Options whose effect FFmpeg dropped without replacement.
const char* const DroppedOptions[] = {"me_threshold", "mb_threshold", "qns", "color_table_id",
                                      "dtg_active_format"};

// Flags of "flags" and "flags2" that became options of their own (of libx264 or the
// MPEG video encoders): the option and its values for a set and a cleared flag.
struct TMovedFlag {
  const char* Flag;
  const char* Option;
  const char* On;
  const char* Off;
};
const TMovedFlag MovedFlags[] = {
    {"bpyramid", "b-pyramid", "normal", "none"},
    {"mixed_refs", "mixed-refs", "1", "0"},
    {"wpred", "weightb", "1", "0"},
    {"dct8x8", "8x8dct", "1", "0"},
    {"fastpskip", "fast-pskip", "1", "0"},
    {"aud", "aud", "1", "0"},
    {"mbtree", "mbtree", "1", "0"},
    {"psy", "psy", "1", "0"},
    {"ssim", "ssim", "1", "0"},
    {"scan_offset", "scan_offset", "1", "0"},
};

// The old flag names of "partitions" and today's list items.
const std::map<String, String, std::less<>> PartitionNames = {
    {"parti4x4", "i4x4"}, {"parti8x8", "i8x8"}, {"partp4x4", "p4x4"},
    {"partp8x8", "p8x8"}, {"partb8x8", "b8x8"},
};

// Codecs that FFmpeg 5.1 does not have, with the built-in codec that takes their place.
const std::map<String, String, std::less<>> ReplacedCodecs = {
    {"libfaac", "aac"},
    {"libvo_aacenc", "aac"},
    {"libaacplus", "aac"},
};

// "+a-b+c" or "a+b" as (name, set) pairs.
std::vector<std::pair<String, bool>> SplitFlags(const String& AValue) {
  std::vector<std::pair<String, bool>> Flags;
  bool Set = true;
  String Name;
  auto Flush = [&] {
    if (!Name.empty()) Flags.emplace_back(Name, Set);
    Name.clear();
  };
  for (char C : AValue) {
    if (C == '+' || C == '-') {
      Flush();
      Set = C == '+';
    } else {
      Name += C;
    }
  }
  Flush();
  return Flags;
}

const TMovedFlag* FindMovedFlag(const String& AFlag) {
  for (const TMovedFlag& Moved : MovedFlags)
    if (AFlag == Moved.Flag) return &Moved;
  return nullptr;
}

bool HasMovedFlag(const String& AValue) {
  for (const auto& [Flag, Set] : SplitFlags(AValue))
    if (FindMovedFlag(Flag)) return true;
  return false;
}

}  // namespace

int TCustomFFmpeg::ApplyDefaultOption(const String& AName, const String& AValue) {
  size_t Colon = AName.find(':');
  String Base = AName.substr(0, Colon);
  String Specifier = Colon == String::npos ? String() : AName.substr(Colon);

  for (const char* Dropped : DroppedOptions)
    if (Base == Dropped) {
      Log(llWarning, Format("Option \"%s\" is no longer supported by FFmpeg and is ignored", AName));
      return 0;
    }

  if (auto Renamed = RenamedOptions.find(Base); Renamed != RenamedOptions.end())
    return SetDefaultOption(FOptions, Renamed->second + Specifier, AValue);

  if ((Base == "flags" || Base == "flags2") && HasMovedFlag(AValue)) {
    // The flags left over are given relative ("+a-b"); FFmpeg's flags of this kind
    // start cleared, so an old absolute value means the same.
    String Remaining;
    for (const auto& [Flag, Set] : SplitFlags(AValue)) {
      if (const TMovedFlag* Moved = FindMovedFlag(Flag)) {
        int Result = SetDefaultOption(FOptions, Moved->Option + Specifier, Set ? Moved->On : Moved->Off);
        if (Result < 0) return Result;
      } else {
        Remaining += (Set ? "+" : "-") + Flag;
      }
    }
    return Remaining.empty() ? 0 : SetDefaultOption(FOptions, AName, Remaining);
  }

  if (Base == "partitions" && AValue.find("part") != String::npos) {
    String List;
    for (const auto& [Flag, Set] : SplitFlags(AValue)) {
      auto Partition = PartitionNames.find(Flag);
      if (Set && Partition != PartitionNames.end()) List += (List.empty() ? "" : ",") + Partition->second;
    }
    return SetDefaultOption(FOptions, AName, List.empty() ? "none" : List);
  }

  return SetDefaultOption(FOptions, AName, AValue);
}

const AVCodec* TCustomFFmpeg::FindCodecByName(const String& AName, AVMediaType AType, bool AEncoder) {
  const char* Kind = AEncoder ? "encoder" : "decoder";
  auto Find = [AEncoder](const String& ACodecName) {
    return AEncoder ? FF.avcodec_find_encoder_by_name(ACodecName.c_str())
                    : FF.avcodec_find_decoder_by_name(ACodecName.c_str());
  };
  const AVCodec* Codec = Find(AName);
  if (!Codec) {
    if (auto Replaced = ReplacedCodecs.find(AName); Replaced != ReplacedCodecs.end()) {
      Codec = Find(Replaced->second);
      if (Codec)
        Log(llWarning,
            Format("Codec \"%s\" is not available, \"%s\" is used instead", AName, Replaced->second));
    }
  }
  if (!Codec) RaiseErrorFmt("Unknown %s '%s'", Kind, AName);
  if (Codec->type != AType) RaiseErrorFmt("Invalid %s type '%s'", Kind, AName);
  return Codec;
}
