#include "base/file_system_posix.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <thread>

namespace tovik {

namespace {
[[noreturn]] void ThrowErrno(const std::string& what) {
  const int code = errno;
  throw IoError(what + ": " + std::strerror(code), static_cast<uint32_t>(code),
                code == ENOENT ? IoError::Kind::NotFound : IoError::Kind::Other);
}

FileStamp StampFrom(const struct stat& st) {
  return FileStamp{static_cast<uint64_t>(st.st_size),
                   static_cast<uint64_t>(st.st_mtim.tv_sec) * 1000000000u +
                       static_cast<uint64_t>(st.st_mtim.tv_nsec)};
}

class PosixFile : public File {
 public:
  PosixFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
  ~PosixFile() override { ::close(fd_); }
  uint64_t Size() override {
    struct stat st {};
    if (::fstat(fd_, &st) != 0) ThrowErrno(path_);
    return static_cast<uint64_t>(st.st_size);
  }
  void Seek(uint64_t offset) override {
    if (::lseek(fd_, static_cast<off_t>(offset), SEEK_SET) < 0) ThrowErrno(path_);
  }
  size_t Read(void* buffer, size_t size) override {
    const ssize_t n = ::read(fd_, buffer, size);
    if (n < 0) ThrowErrno(path_);
    return static_cast<size_t>(n);
  }
  void Write(const void* data, size_t size) override {
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
      const ssize_t n = ::write(fd_, p, size);
      if (n <= 0) ThrowErrno(path_);
      p += n;
      size -= static_cast<size_t>(n);
    }
  }
  void Truncate() override {
    const off_t at = ::lseek(fd_, 0, SEEK_CUR);
    if (at < 0 || ::ftruncate(fd_, at) != 0) ThrowErrno(path_);
  }
  void Flush() override {
    if (::fsync(fd_) != 0) ThrowErrno(path_);
  }
  std::optional<FileStamp> Stamp() override {
    struct stat st {};
    if (::fstat(fd_, &st) != 0) ThrowErrno(path_);
    return StampFrom(st);
  }

 private:
  int fd_;
  std::string path_;
};
}  // namespace

std::unique_ptr<File> PosixFileSystem::Open(const std::string& path, OpenMode mode) {
  int flags = O_CLOEXEC;
  switch (mode) {
    case OpenMode::ExistingRead:
      flags |= O_RDONLY;
      break;
    case OpenMode::ExistingReadWrite:
      flags |= O_RDWR;
      break;
    case OpenMode::CreateNew:
      flags |= O_RDWR | O_CREAT | O_EXCL;
      break;
    case OpenMode::CreateAlways:
      flags |= O_RDWR | O_CREAT | O_TRUNC;
      break;
  }
  const int fd = ::open(path.c_str(), flags, 0644);
  if (fd < 0) ThrowErrno(path);
  return std::make_unique<PosixFile>(fd, path);
}

void PosixFileSystem::Replace(const std::string& target, const std::string& replacement) {
  if (std::rename(replacement.c_str(), target.c_str()) != 0) ThrowErrno(target);
}

bool PosixFileSystem::Remove(const std::string& path) {
  return ::unlink(path.c_str()) == 0;
}

bool PosixFileSystem::FileExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool PosixFileSystem::DirectoryExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool PosixFileSystem::MakeDirectory(const std::string& path) {
  return ::mkdir(path.c_str(), 0755) == 0;
}

std::vector<std::string> PosixFileSystem::FileNames(const std::string& folder) {
  std::vector<std::string> names;
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return names;
  while (const dirent* entry = ::readdir(dir)) {
    struct stat st {};
    const std::string name = entry->d_name;
    if (::stat((folder + name).c_str(), &st) == 0 && S_ISREG(st.st_mode)) names.push_back(name);
  }
  ::closedir(dir);
  return names;
}

std::optional<FileStamp> PosixFileSystem::StampOf(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return StampFrom(st);
}

void PosixFileSystem::Pause(int milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace tovik
