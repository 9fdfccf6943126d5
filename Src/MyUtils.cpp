#include "Src/MyUtils.h"

#include <sys/stat.h>

#include "platform/base/Threads.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/WindowSystem.h"

int64_t GetFileSize64(const String& AFileName) {
  struct stat Info;
  if (stat(ExpandFileName(AFileName).c_str(), &Info) != 0 || S_ISDIR(Info.st_mode)) return -1;
  return Info.st_size;
}

String CutFirstToken(String& AText, const String& ADelimiter, bool ARemove) {
  size_t Pos = ADelimiter.empty() ? String::npos : AText.find(ADelimiter);
  if (Pos == String::npos) {
    String Token = AText;
    if (ARemove) AText.clear();
    return Token;
  }
  String Token = AText.substr(0, Pos);
  if (ARemove) AText.erase(0, Pos + ADelimiter.size());
  return Token;
}

String FormatByteSize(int64_t ASize) {
  constexpr int64_t KB = int64_t{1} << 10, MB = int64_t{1} << 20, GB = int64_t{1} << 30;
  if (ASize > GB) return Format("%.2f GB", static_cast<double>(ASize) / GB);
  if (ASize > MB) return Format("%.2f MB", static_cast<double>(ASize) / MB);
  if (ASize > KB) return Format("%.2f KB", static_cast<double>(ASize) / KB);
  return Format("%d Byte", ASize);
}

void CallInMainThread(const std::function<void()>& AMethod) { TThread::Synchronize(AMethod); }

bool ProcessOneMessage() {
  if (!IsMainThread()) return false;
  if (CheckSynchronize()) return true;
  return IsWindowSystemStarted() && ProcessPendingMessage() == TPendingMessage::Dispatched;
}

void PumpMessages() {
  while (ProcessOneMessage()) {
  }
}
