#pragma once
// What "nativeeq" and "nativehue" share: two values (fixed or live) read from the filter
// text, read again for every picture, and pictures changed in place.

#include <memory>

#include "Src/EngineFilter.h"
#include "Src/LiveParameters.h"

// One value of an equaliser, from -100 to 100.
class TEqualizerValue {
 public:
  explicit TEqualizerValue(const char* AName) : FName(AName) {}
  const char* Name() const { return FName; }

  // Takes one field of the filter text: empty (0), an integer, or "@N" for a live
  // parameter. false with AError set when the field is neither.
  bool Parse(const String& AField, String& AError);
  // The value for the next picture, forced into -100..100. A live value that the
  // application set out of range is written back forced, so the application sees
  // what the picture shows.
  int Read();

 private:
  int Force(int AValue);

  const char* FName;
  int FFixed = 0;
  std::shared_ptr<TLiveValue> FLive;  // nullptr: the value is FFixed
};

// An equaliser instance: works in place on the pictures whenever one of its two
// values is not 0, else passes them on untouched.
class TEqualizerInstance : public TEngineFilterInstance {
 public:
  TEqualizerInstance(const char* AFirstName, const char* ASecondName)
      : FFirst(AFirstName), FSecond(ASecondName) {}

  // Parses "first:second" (each field as TEqualizerValue::Parse takes it, or given by
  // name as "second=..."). false with AError set when the text is refused.
  bool ParseArguments(const String& AArguments, String& AError);

  std::vector<AVPixelFormat> InputFormats() const override;
  int Configure(const TVideoFormat& AInput, TVideoFormat& AOutput, String& AError) override;
  int FilterFrame(AVFrame* AInput, AVFrame* AOutput) override;

 protected:
  // Changes the writable picture AFrame with the two current values.
  virtual void Process(AVFrame* AFrame, int AFirst, int ASecond) = 0;

  int FChromaShiftX = 0;  // log2 of the chroma subsampling across
  int FChromaShiftY = 0;  // and down

 private:
  void AnnounceValues(int AFirst, int ASecond);

  TEqualizerValue FFirst;
  TEqualizerValue FSecond;
  int FLastFirst = 0;
  int FLastSecond = 0;
};
