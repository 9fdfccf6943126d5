#include "Src/FFBindings.h"

#include <iterator>

#include "Src/MyUtils.h"
#include "platform/base/Exceptions.h"

TFFEntryPoints FF;

namespace {

template <typename TEntry>
void BindEntry(const String& ALibFile, HMODULE AHandle, const char* AName, TEntry& AEntry) {
  void* Address = nullptr;
  FixupFunction(ALibFile, AHandle, AName, false, Address);
  AEntry = reinterpret_cast<TEntry>(Address);
}

#define FF_BIND(Name) BindEntry(ALibFile, AHandle, #Name, FF.Name);
#define FF_BIND_TYPED(Name, Type) FF_BIND(Name)
#define FF_CLEAR(Name) FF.Name = nullptr;
#define FF_CLEAR_TYPED(Name, Type) FF_CLEAR(Name)

void FixupAVCodec(const String& ALibFile, HMODULE AHandle) { FF_AVCODEC_ENTRIES(FF_BIND) }
void UnfixAVCodec() { FF_AVCODEC_ENTRIES(FF_CLEAR) }

void FixupAVDevice(const String& ALibFile, HMODULE AHandle) {
  FF_AVDEVICE_ENTRIES(FF_BIND)
  FF.avdevice_register_all();
}
void UnfixAVDevice() { FF_AVDEVICE_ENTRIES(FF_CLEAR) }

void FixupAVFilter(const String& ALibFile, HMODULE AHandle) { FF_AVFILTER_ENTRIES(FF_BIND) }
void UnfixAVFilter() { FF_AVFILTER_ENTRIES(FF_CLEAR) }

// Set once libavformat's network layer has been started, so that only a completed
// Fixup is balanced by avformat_network_deinit.
bool GNetworkStarted = false;

void FixupAVFormat(const String& ALibFile, HMODULE AHandle) {
  FF_AVFORMAT_ENTRIES(FF_BIND)
  FF.avformat_network_init();
  GNetworkStarted = true;
}
void UnfixAVFormat() {
  if (GNetworkStarted) FF.avformat_network_deinit();
  GNetworkStarted = false;
  FF_AVFORMAT_ENTRIES(FF_CLEAR)
}

void FixupAVUtil(const String& ALibFile, HMODULE AHandle) { FF_AVUTIL_ENTRIES(FF_BIND) }
void UnfixAVUtil() { FF_AVUTIL_ENTRIES(FF_CLEAR) }

void FixupSWResample(const String& ALibFile, HMODULE AHandle) { FF_SWRESAMPLE_ENTRIES(FF_BIND) }
void UnfixSWResample() { FF_SWRESAMPLE_ENTRIES(FF_CLEAR) }

void FixupSWScale(const String& ALibFile, HMODULE AHandle) { FF_SWSCALE_ENTRIES(FF_BIND) }
void UnfixSWScale() { FF_SWSCALE_ENTRIES(FF_CLEAR) }

void FixupLibC(const String& ALibFile, HMODULE AHandle) { FF_LIBC_ENTRIES(FF_BIND, FF_BIND_TYPED) }
void UnfixLibC() { FF_LIBC_ENTRIES(FF_CLEAR, FF_CLEAR_TYPED) }

// In TLibrary order, which is also the load order.
constexpr TLibraryItem LibraryItems[] = {
    {avCodec, "avcodec", false, 59, FixupAVCodec, UnfixAVCodec},
    {avDevice, "avdevice", false, 59, FixupAVDevice, UnfixAVDevice},
    {avFilter, "avfilter", false, 8, FixupAVFilter, UnfixAVFilter},
    {avFormat, "avformat", false, 59, FixupAVFormat, UnfixAVFormat},
    {avUtil, "avutil", false, 57, FixupAVUtil, UnfixAVUtil},
    {swResample, "swresample", false, 4, FixupSWResample, UnfixSWResample},
    {swScale, "swscale", false, 6, FixupSWScale, UnfixSWScale},
    {myUtil, "c", true, 6, FixupLibC, UnfixLibC},
};

constexpr bool RowsFollowTLibrary() {
  for (size_t I = 0; I < std::size(LibraryItems); ++I)
    if (LibraryItems[I].Lib != static_cast<TLibrary>(I)) return false;
  return std::size(LibraryItems) == myUtil + 1;
}
static_assert(RowsFollowTLibrary());

}  // namespace

const TLibraryItem& LibraryItem(TLibrary ALibrary) {
  Assert(ALibrary >= avCodec && ALibrary <= myUtil);
  return LibraryItems[ALibrary];
}
