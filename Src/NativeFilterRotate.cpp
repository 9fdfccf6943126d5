// "rotate": turns the picture by whole degrees into a picture that holds all of it;
// quarter turns by plain copies (NativeFilterQuarterTurn.h).

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <vector>

#include "Src/EngineFilter.h"
#include "Src/NativeFilterQuarterTurn.h"
#include "Src/NativeFilters.h"

namespace {

// max(0, x)
float Positive(float AValue) { return std::max(0.0f, AValue); }

class TRotateInstance : public TEngineFilterInstance {
 public:
  explicit TRotateInstance(int AAngle) : FAngle(AAngle) {}

  std::vector<AVPixelFormat> InputFormats() const override {
    return {AV_PIX_FMT_YUV444P, AV_PIX_FMT_YUV422P,  AV_PIX_FMT_YUV420P,  AV_PIX_FMT_YUV411P,
            AV_PIX_FMT_YUV410P, AV_PIX_FMT_YUVJ444P, AV_PIX_FMT_YUVJ422P, AV_PIX_FMT_YUVJ420P,
            AV_PIX_FMT_YUV440P, AV_PIX_FMT_YUVJ440P};
  }

  // The output size and the translation that puts the turned picture's top-left corner
  // at the output's, in 32-bit floating point.
  int Configure(const TVideoFormat& AInput, TVideoFormat& AOutput, String&) override {
    FInput = AInput;
    const AVPixFmtDescriptor* Descriptor = FF.av_pix_fmt_desc_get(AInput.PixelFormat);
    FChromaShiftX = Descriptor->log2_chroma_w;
    FChromaShiftY = Descriptor->log2_chroma_h;
    // Full-range ("J") pictures are black at 0, the others at 16.
    const bool FullRange =
        AInput.PixelFormat == AV_PIX_FMT_YUVJ444P || AInput.PixelFormat == AV_PIX_FMT_YUVJ422P ||
        AInput.PixelFormat == AV_PIX_FMT_YUVJ420P || AInput.PixelFormat == AV_PIX_FMT_YUVJ440P;
    FBackground[0] = FullRange ? 0 : 16;

    const double Radians = FAngle * std::numbers::pi / 180;
    FSin = static_cast<float>(std::sin(Radians));
    FCos = static_cast<float>(std::cos(Radians));
    const int W = AInput.Width;
    const int H = AInput.Height;
    FTransX = Positive(H * FSin) + Positive(-W * FCos);
    FTransY = Positive(-H * FCos) + Positive(-W * FSin);
    AOutput = AInput;
    AOutput.Width = static_cast<int>(std::floor(FTransX + Positive(FCos * W) + Positive(-FSin * H)));
    AOutput.Height = static_cast<int>(std::floor(FTransY + Positive(FCos * H) + Positive(FSin * W)));
    // Pixels keep their shape on the screen: when the picture's axes are (nearly)
    // swapped, so is the pixels' aspect ratio.
    if (AInput.SampleAspectRatio.num != 0 && std::fabs(FSin) > std::fabs(FCos))
      AOutput.SampleAspectRatio = {AInput.SampleAspectRatio.den, AInput.SampleAspectRatio.num};
    FOutput = AOutput;
    for (int Plane = 0; Plane < 2; Plane++) FQuarterTurns[Plane] = FindQuarterTurn(PlaneWalk(Plane));
    FUnchanged = AOutput.Width == AInput.Width && AOutput.Height == AInput.Height &&
                 IsUnchanged(FQuarterTurns[0]) && IsUnchanged(FQuarterTurns[1]);
    return 0;
  }

  int FilterFrame(AVFrame* AInput, AVFrame* AOutput) override {
    if (AInput->width != FInput.Width || AInput->height != FInput.Height) return AVERROR(EINVAL);
    // Nothing moves: the picture passes on by reference, unwritten.
    if (FUnchanged) return FF.av_frame_ref(AOutput, AInput);
    AOutput->format = AInput->format;
    AOutput->width = FOutput.Width;
    AOutput->height = FOutput.Height;
    int Error = FF.av_frame_get_buffer(AOutput, 0);
    if (Error >= 0) Error = FF.av_frame_copy_props(AOutput, AInput);
    if (Error < 0) return Error;
    AOutput->sample_aspect_ratio = FOutput.SampleAspectRatio;
    for (int Plane = 0; Plane < 3; Plane++) {
      const TPlaneWalk Walk = PlaneWalk(Plane);
      if (const std::optional<TQuarterTurnCopy>& Copy = FQuarterTurns[Plane ? 1 : 0])
        CopyTurnedPlane(*Copy, AInput->data[Plane], AInput->linesize[Plane], AOutput->data[Plane],
                        AOutput->linesize[Plane], Walk.Width, Walk.Height);
      else
        TurnPlane(Walk, AInput, AOutput, Plane);
    }
    return 0;
  }

 private:
  // Every output sample takes the input sample under its centre, turned back; samples
  // whose centre falls outside the input take the background. Centres, not corners,
  // are turned, so that quarter turns move every pixel exactly and lose none. Along an
  // output row the turned-back position moves by a constant step, so it is carried in
  // 32.32 fixed point: quarter turns stay exact, and no other angle drifts by more than
  // a tiny fraction of a sample across the widest picture.
  struct TPlaneWalk {
    int ShiftX = 0, ShiftY = 0;    // of the plane's samples against the luma's
    int Width = 0, Height = 0;     // of the output plane
    int64_t StepX = 0, StepY = 0;  // per output sample, in input luma pixels
  };
  static constexpr double One = 4294967296.0;  // 1 in 32.32 fixed point

  TPlaneWalk PlaneWalk(int APlane) const {
    TPlaneWalk Walk;
    Walk.ShiftX = APlane ? FChromaShiftX : 0;
    Walk.ShiftY = APlane ? FChromaShiftY : 0;
    Walk.Width = AV_CEIL_RSHIFT(FOutput.Width, Walk.ShiftX);
    Walk.Height = AV_CEIL_RSHIFT(FOutput.Height, Walk.ShiftY);
    const float ScaleX = static_cast<float>(1 << Walk.ShiftX);
    Walk.StepX = std::llround(ScaleX * FCos * One);
    Walk.StepY = std::llround(-ScaleX * FSin * One);
    return Walk;
  }

  // Where output row I of a plane starts in the input, in input luma pixels.
  void RowStart(const TPlaneWalk& AWalk, int I, int64_t& X, int64_t& Y) const {
    const float ScaleX = static_cast<float>(1 << AWalk.ShiftX);
    const float ScaleY = static_cast<float>(1 << AWalk.ShiftY);
    const float FirstCentreX = 0.5f * ScaleX - FTransX;
    const float CentreY = (I + 0.5f) * ScaleY - FTransY;
    X = std::llround((FSin * CentreY + FirstCentreX * FCos) * One);
    Y = std::llround((CentreY * FCos - FirstCentreX * FSin) * One);
  }

  void TurnPlane(const TPlaneWalk& AWalk, const AVFrame* AInput, AVFrame* AOutput, int APlane) const {
    const int64_t InputWidth = static_cast<int64_t>(FInput.Width) << 32;
    const int64_t InputHeight = static_cast<int64_t>(FInput.Height) << 32;
    const uint8_t* Source = AInput->data[APlane];
    const ptrdiff_t SourceLineSize = AInput->linesize[APlane];
    const uint8_t Background = FBackground[APlane];
    for (int I = 0; I < AWalk.Height; I++) {
      uint8_t* Row = AOutput->data[APlane] + static_cast<ptrdiff_t>(I) * AOutput->linesize[APlane];
      int64_t X, Y;
      RowStart(AWalk, I, X, Y);
      for (int J = 0; J < AWalk.Width; J++, X += AWalk.StepX, Y += AWalk.StepY) {
        if (X >= 0 && X < InputWidth && Y >= 0 && Y < InputHeight)
          Row[J] = Source[((Y >> 32) >> AWalk.ShiftY) * SourceLineSize + ((X >> 32) >> AWalk.ShiftX)];
        else
          Row[J] = Background;
      }
    }
  }

  // The plain copy that the walk of a plane amounts to, when it does: one coordinate
  // stands still along every row and starts alike on every row, each sample named lies
  // inside the input, and the input columns follow each other one by one. Found from
  // the walk itself, so the copy gives exactly the samples the walk would.
  std::optional<TQuarterTurnCopy> FindQuarterTurn(const TPlaneWalk& AWalk) const {
    const bool Transposes = AWalk.StepX == 0;
    if (!Transposes && AWalk.StepY != 0) return std::nullopt;
    // Input sample indices: along the output rows (Across) and from row to row (Down).
    std::vector<int> Across(AWalk.Width), Down(AWalk.Height);
    int64_t FirstX, FirstY;
    RowStart(AWalk, 0, FirstX, FirstY);
    for (int I = 0; I < AWalk.Height; I++) {
      int64_t X, Y;
      RowStart(AWalk, I, X, Y);
      if ((Transposes ? Y : X) != (Transposes ? FirstY : FirstX)) return std::nullopt;
      const int Index = Transposes ? InputColumn(AWalk, X) : InputRow(AWalk, Y);
      if (Index < 0) return std::nullopt;
      Down[I] = Index;
    }
    for (int J = 0; J < AWalk.Width; J++) {
      const int Index = Transposes ? InputRow(AWalk, FirstY + J * AWalk.StepY)
                                   : InputColumn(AWalk, FirstX + J * AWalk.StepX);
      if (Index < 0) return std::nullopt;
      Across[J] = Index;
    }
    const std::optional<int> DownStep = EvenStep(Down);
    const std::optional<int> AcrossStep = EvenStep(Across);
    if (!DownStep || !AcrossStep) return std::nullopt;
    TQuarterTurnCopy Copy;
    Copy.Transposes = Transposes;
    Copy.FirstRow = Transposes ? Across[0] : Down[0];
    Copy.RowStep = Transposes ? *AcrossStep : *DownStep;
    Copy.FirstColumn = Transposes ? Down[0] : Across[0];
    const int ColumnStep = Transposes ? *DownStep : *AcrossStep;
    if (ColumnStep != 1 && ColumnStep != -1) return std::nullopt;
    Copy.ColumnStep = ColumnStep;
    return Copy;
  }

  // The input column and row of a turned-back position; -1 outside the input.
  int InputColumn(const TPlaneWalk& AWalk, int64_t X) const {
    return X >= 0 && X < (static_cast<int64_t>(FInput.Width) << 32)
               ? static_cast<int>((X >> 32) >> AWalk.ShiftX)
               : -1;
  }
  int InputRow(const TPlaneWalk& AWalk, int64_t Y) const {
    return Y >= 0 && Y < (static_cast<int64_t>(FInput.Height) << 32)
               ? static_cast<int>((Y >> 32) >> AWalk.ShiftY)
               : -1;
  }

  // Whether a plane's copy leaves every sample where it was (turns by whole circles).
  static bool IsUnchanged(const std::optional<TQuarterTurnCopy>& ACopy) {
    return ACopy && !ACopy->Transposes && ACopy->FirstRow == 0 && ACopy->RowStep == 1 &&
           ACopy->FirstColumn == 0 && ACopy->ColumnStep == 1;
  }

  // The one step between neighbouring indices (1 for a single index), if there is one.
  static std::optional<int> EvenStep(const std::vector<int>& AIndices) {
    if (AIndices.empty()) return std::nullopt;
    const int Step = AIndices.size() > 1 ? AIndices[1] - AIndices[0] : 1;
    for (size_t K = 1; K < AIndices.size(); K++)
      if (AIndices[K] - AIndices[K - 1] != Step) return std::nullopt;
    return Step;
  }

  int FAngle;
  int FChromaShiftX = 0;
  int FChromaShiftY = 0;
  uint8_t FBackground[3] = {16, 128, 128};
  float FSin = 0;
  float FCos = 1;
  float FTransX = 0;
  float FTransY = 0;
  TVideoFormat FInput;
  TVideoFormat FOutput;
  std::optional<TQuarterTurnCopy> FQuarterTurns[2];  // of the luma plane and of both chroma planes
  bool FUnchanged = false;                           // the pictures pass on as they come
};

class TRotateFilter : public TEngineVideoFilter {
 public:
  String Name() const override { return "rotate"; }
  std::unique_ptr<TEngineFilterInstance> CreateInstance(const String& AArguments, String& AError) override {
    const String Text = Trim(AArguments);
    int Angle = 45;
    if (!Text.empty() && !TryStrToInt(Text, Angle)) {
      AError = Format("The angle of \"rotate\" must be a whole number of degrees, not \"%s\"", Text);
      return nullptr;
    }
    return std::make_unique<TRotateInstance>(Angle);
  }
};

}  // namespace

void RegisterRotateFilter() {
  static TRotateFilter Filter;
  RegisterFilter(Filter);
}
