#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "base/content_hash.h"

namespace tovik {

// An input/output failure, with the operating system's error code and text.
class IoError : public std::runtime_error {
 public:
  enum class Kind { Other, NotFound, SharingViolation };
  IoError(const std::string& message, uint32_t code = 0, Kind kind = Kind::Other)
      : std::runtime_error(message), code_(code), kind_(kind) {}
  uint32_t code() const { return code_; }
  Kind kind() const { return kind_; }

 private:
  uint32_t code_;
  Kind kind_;
};

// What tells one version of a file from another: its size and the time of
// its last write.
struct FileStamp {
  uint64_t Size = 0;
  uint64_t WriteTime = 0;
  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// An open file. Every method throws IoError on failure.
class File {
 public:
  virtual ~File() = default;
  virtual uint64_t Size() = 0;
  virtual void Seek(uint64_t offset) = 0;
  // Reads up to size bytes; returns how many were read (0 at the end).
  virtual size_t Read(void* buffer, size_t size) = 0;
  virtual void Write(const void* data, size_t size) = 0;
  virtual void Truncate() = 0;  // at the current position
  virtual void Flush() = 0;     // through to the disk
  // The stamp FileSystem::StampOf gives by path, asked of the open file, which
  // spares a second lookup of the path; nothing where the file cannot tell.
  virtual std::optional<FileStamp> Stamp() { return std::nullopt; }
};

enum class OpenMode {
  ExistingRead,       // read only, others may read, write and replace it
  ExistingReadWrite,  // read and write, others may read, write and replace it
  CreateNew,          // fails when the file exists
  CreateAlways,       // replaces whatever is there
};

// The file operations the core needs from the platform. Paths are UTF-8.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual std::unique_ptr<File> Open(const std::string& path, OpenMode mode) = 0;
  // Puts `replacement` in the place of `target` in one step.
  virtual void Replace(const std::string& target, const std::string& replacement) = 0;
  virtual bool Remove(const std::string& path) = 0;
  virtual bool FileExists(const std::string& path) = 0;
  virtual bool DirectoryExists(const std::string& path) = 0;
  virtual bool MakeDirectory(const std::string& path) = 0;
  // The names of the files (not folders) in a folder; none when it cannot
  // be read.
  virtual std::vector<std::string> FileNames(const std::string& folder) = 0;
  // Nothing when the file is not there.
  virtual std::optional<FileStamp> StampOf(const std::string& path) = 0;
  virtual void Pause(int milliseconds) = 0;
};

// Reads into out[got, n) until it is full or the file ends. `got` counts the
// bytes as they come, so it is right when a read error is thrown.
void ReadInto(File& file, char* out, size_t n, size_t& got);
// Appends up to n bytes from the file's position to `out`, fewer where the
// file ends; on a read error `out` keeps what was read before it.
void ReadUpTo(File& file, size_t n, std::string& out);
// The whole content of a file, read through `file` from its start.
std::string ReadWholeFile(File& file);
inline void WriteAll(File& file, std::string_view bytes) {
  file.Write(bytes.data(), bytes.size());
}

// Writes many small pieces to a file in few large writes, through a buffer
// small enough to stay warm in the cache and to come from the heap.
class BufferedFileWriter {
 public:
  explicit BufferedFileWriter(File& file) : file_(file) { buffer_.reserve(kCapacity); }
  void Append(std::string_view bytes) {
    if (buffer_.size() + bytes.size() > kCapacity) Flush();
    buffer_.append(bytes);
  }
  void AppendU16(uint16_t v) {
    const char bytes[] = {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
    Append({bytes, 2});
  }
  void AppendI32(int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    const char bytes[] = {static_cast<char>(u & 0xFF), static_cast<char>((u >> 8) & 0xFF),
                          static_cast<char>((u >> 16) & 0xFF), static_cast<char>(u >> 24)};
    Append({bytes, 4});
  }
  // Hands what is buffered to the file.
  void Flush() {
    if (buffer_.empty()) return;
    WriteAll(file_, buffer_);
    if (hash_) hash_->Update(std::string_view(buffer_).substr(hashFrom_));
    hashFrom_ = 0;
    buffer_.clear();
  }
  // From here on, what is written is also hashed into `hash`.
  void Watch(ContentHash& hash) {
    hash_ = &hash;
    hashFrom_ = buffer_.size();
  }

 private:
  static constexpr size_t kCapacity = 256 * 1024;
  File& file_;
  std::string buffer_;
  ContentHash* hash_ = nullptr;
  size_t hashFrom_ = 0;  // where in the buffer the hashed bytes begin
};

using FileContentWriter = std::function<void(BufferedFileWriter& out)>;

// Writes a whole new file beside `path` (its name with ".tmp" added) and
// through to the disk; returns its path. A failure leaves nothing behind.
std::string WriteFileBeside(FileSystem& fs, const std::string& path,
                            const FileContentWriter& content);

// Gives the file at `path` new content, creating it when it is missing. A
// failure at any step throws IoError and leaves the old file whole.
void ReplaceFileContent(FileSystem& fs, const std::string& path, const FileContentWriter& content);

}  // namespace tovik
