#include "platform/base/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

#include "platform/base/Exceptions.h"
#include "platform/base/Paths.h"

String SysErrorMessage(int AErrorCode) {
  char Buffer[256];
  // The GNU strerror_r returns its text, which need not be in Buffer.
  return strerror_r(AErrorCode, Buffer, sizeof(Buffer));
}

bool FileExists(const String& AFileName) {
  struct stat Info;
  return !AFileName.empty() && stat(AFileName.c_str(), &Info) == 0 && !S_ISDIR(Info.st_mode);
}

bool DirectoryExists(const String& ADirectory) {
  struct stat Info;
  return !ADirectory.empty() && stat(ADirectory.c_str(), &Info) == 0 && S_ISDIR(Info.st_mode);
}

bool ForceDirectories(const String& ADirectory) {
  if (ADirectory.empty()) return false;
  String Folder = ExcludeTrailingPathDelimiter(ADirectory);
  if (DirectoryExists(Folder)) return true;
  const String Parent = ExtractFileDir(Folder);
  if (!Parent.empty() && Parent != Folder && !ForceDirectories(Parent)) return false;
  // Another process may create the same folder between the test and mkdir.
  return mkdir(Folder.c_str(), 0777) == 0 || (errno == EEXIST && DirectoryExists(Folder));
}

bool DeleteFile(const String& AFileName) { return unlink(AFileName.c_str()) == 0; }

bool RenameFile(const String& AOldName, const String& ANewName) {
  if (renameat2(AT_FDCWD, AOldName.c_str(), AT_FDCWD, ANewName.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL) return false;
  // Some file systems cannot refuse the replacement in the kernel; test first there.
  struct stat Info;
  if (lstat(ANewName.c_str(), &Info) == 0) return false;
  return rename(AOldName.c_str(), ANewName.c_str()) == 0;
}

namespace {

// Closes a descriptor on every way out of a function.
class FileDescriptor {
 public:
  explicit FileDescriptor(int AHandle) : FHandle(AHandle) {}
  ~FileDescriptor() { Close(); }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int Get() const { return FHandle; }
  // Returns false with errno set when closing reports a delayed write error.
  bool Close() {
    if (FHandle < 0) return true;
    int Result = close(FHandle);
    FHandle = -1;
    return Result == 0;
  }

 private:
  int FHandle;
};

bool WriteAll(int AHandle, std::string_view AData) {
  while (!AData.empty()) {
    ssize_t Written = write(AHandle, AData.data(), AData.size());
    if (Written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    AData.remove_prefix(static_cast<size_t>(Written));
  }
  return true;
}

// Creates a new file named AFileName + ".tmp-" + six random characters. The mode
// 0666 lets the umask decide the permissions, as for any file the program creates.
int CreateUniqueTemporary(const String& AFileName, String& ATempName) {
  static const char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  thread_local std::mt19937 Generator{std::random_device{}()};
  std::uniform_int_distribution<size_t> Pick(0, sizeof(Alphabet) - 2);
  for (int Attempt = 0; Attempt < 100; ++Attempt) {
    ATempName = AFileName + ".tmp-";
    for (int I = 0; I < 6; ++I) ATempName += Alphabet[Pick(Generator)];
    int Handle = open(ATempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (Handle >= 0 || errno != EEXIST) return Handle;
  }
  errno = EEXIST;
  return -1;
}

// Makes the rename itself durable. Best effort: the data are already on disk, and a
// lost rename after a power failure leaves the old file whole, which is the promise.
// Some file systems cannot flush a folder and say EINVAL; that is not a failure.
void SyncFolder(const String& AFolder) {
  int Handle = open(AFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (Handle < 0) return;
  int Result = fsync(Handle);
  int Error = errno;
  close(Handle);
  if (Result != 0 && Error != EINVAL)
    throw EWriteError(Format("Cannot write file \"%s\". %s", AFolder, SysErrorMessage(Error)));
}

}  // namespace

String ReadFileToString(const String& AFileName) {
  FileDescriptor File(open(AFileName.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat Info;
  if (File.Get() < 0 || fstat(File.Get(), &Info) != 0)
    throw EFOpenError(Format("Cannot open file \"%s\". %s", AFileName, SysErrorMessage(errno)));
  if (S_ISDIR(Info.st_mode))
    throw EFOpenError(Format("Cannot open file \"%s\". %s", AFileName, SysErrorMessage(EISDIR)));
  String Data;
  if (Info.st_size > 0) Data.reserve(static_cast<size_t>(Info.st_size));
  char Buffer[65536];
  for (;;) {
    ssize_t Count = read(File.Get(), Buffer, sizeof(Buffer));
    if (Count == 0) break;
    if (Count < 0) {
      if (errno == EINTR) continue;
      throw EReadError(Format("Cannot read file \"%s\". %s", AFileName, SysErrorMessage(errno)));
    }
    Data.append(Buffer, static_cast<size_t>(Count));
  }
  return Data;
}

void WriteFileAtomically(const String& AFileName, std::string_view AData) {
  auto FailToCreate = [&](int AError) {
    throw EFCreateError(Format("Cannot create file \"%s\". %s", AFileName, SysErrorMessage(AError)));
  };
  if (AFileName.empty()) FailToCreate(ENOENT);
  String TempName;
  FileDescriptor Temp(CreateUniqueTemporary(AFileName, TempName));
  if (Temp.Get() < 0) FailToCreate(errno);

  auto Fail = [&](int AError) {
    Temp.Close();
    unlink(TempName.c_str());
    throw EWriteError(Format("Cannot write file \"%s\". %s", AFileName, SysErrorMessage(AError)));
  };
  struct stat Old;
  if (stat(AFileName.c_str(), &Old) == 0 && fchmod(Temp.Get(), Old.st_mode & 07777) != 0) Fail(errno);
  if (!WriteAll(Temp.Get(), AData) || fsync(Temp.Get()) != 0 || !Temp.Close()) Fail(errno);
  if (rename(TempName.c_str(), AFileName.c_str()) != 0) Fail(errno);
  const String Folder = ExtractFileDir(AFileName);
  SyncFolder(Folder.empty() ? String(".") : Folder);
}
