#include "tests/unit/memory_file_system_fake.h"

#include <algorithm>
#include <cstring>

namespace tovik::testing {

namespace {
class MemoryFile : public File {
 public:
  MemoryFile(MemoryFileSystem& fs, std::shared_ptr<std::string> content, bool writable)
      : fs_(fs), content_(std::move(content)), writable_(writable) {}
  uint64_t Size() override { return content_->size(); }
  void Seek(uint64_t offset) override { pos_ = offset; }
  size_t Read(void* buffer, size_t size) override {
    content_->append(fs_.appended_at_first_read);
    fs_.appended_at_first_read.clear();
    if (pos_ >= fs_.unreadable_from) throw IoError("The device is not ready.", 21);
    const size_t end = std::min<size_t>(content_->size(), fs_.unreadable_from);
    if (pos_ >= end) return 0;
    const size_t n = std::min<size_t>(size, end - pos_);
    std::memcpy(buffer, content_->data() + pos_, n);
    pos_ += n;
    return n;
  }
  void Write(const void* data, size_t size) override {
    RequireWritable();
    const char* p = static_cast<const char*>(data);
    try {
      fs_.Step("write");
    } catch (const IoError&) {
      Put(p, size / 2);
      throw;
    }
    Put(p, size);
  }
  void Truncate() override {
    RequireWritable();
    fs_.Step("truncate");
    content_->resize(pos_);
    ++fs_.writes;
  }
  void Flush() override { fs_.Step("flush"); }
  // As StampOf tells it by path.
  std::optional<FileStamp> Stamp() override { return FileStamp{content_->size(), 0}; }

 private:
  void RequireWritable() {
    if (!writable_) throw IoError("Access is denied.", 5);
  }
  void Put(const char* p, size_t n) {
    if (content_->size() < pos_ + n) content_->resize(pos_ + n, '\0');
    std::memcpy(content_->data() + pos_, p, n);
    pos_ += n;
    ++fs_.writes;
  }
  MemoryFileSystem& fs_;
  std::shared_ptr<std::string> content_;
  bool writable_;
  uint64_t pos_ = 0;
};
}  // namespace

bool MemoryFileSystem::InReadOnlyFolder(const std::string& path) const {
  return std::any_of(read_only_folders.begin(), read_only_folders.end(),
                     [&](const std::string& f) { return path.rfind(f, 0) == 0; });
}

void MemoryFileSystem::Step(const char* what) {
  if (++steps == fail_at_step) throw IoError(std::string("injected failure at ") + what, 112);
}

std::unique_ptr<File> MemoryFileSystem::Open(const std::string& path, OpenMode mode) {
  if (unopenable.count(path)) throw IoError("The process cannot access the file.", 32);
  const bool exists = files.count(path) != 0;
  const bool writes = mode != OpenMode::ExistingRead;
  switch (mode) {
    case OpenMode::ExistingRead:
    case OpenMode::ExistingReadWrite:
      if (!exists)
        throw IoError("The system cannot find the file specified.", 2, IoError::Kind::NotFound);
      break;
    case OpenMode::CreateNew:
      if (exists) throw IoError("The file exists.", 80);
      [[fallthrough]];
    case OpenMode::CreateAlways:
      if (InReadOnlyFolder(path)) throw IoError("Access is denied.", 5);
      files[path] = std::make_shared<std::string>();
      break;
  }
  return std::make_unique<MemoryFile>(*this, files[path],
                                      !(writes && InReadOnlyFolder(path)) && writes);
}

void MemoryFileSystem::Replace(const std::string& target, const std::string& replacement) {
  if (refuse_replacements > 0) {
    --refuse_replacements;
    throw IoError("The process cannot access the file because it is being used by another process.",
                  32, IoError::Kind::SharingViolation);
  }
  Step("replace");
  if (!files.count(replacement)) throw IoError("The system cannot find the file specified.", 2);
  files[target] = files[replacement];
  files.erase(replacement);
}

bool MemoryFileSystem::Remove(const std::string& path) {
  return files.erase(path) != 0;
}

bool MemoryFileSystem::MakeDirectory(const std::string& path) {
  if (InReadOnlyFolder(path)) return false;
  return folders.insert(path).second;
}

std::vector<std::string> MemoryFileSystem::FileNames(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& [path, content] : files) {
    if (path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 &&
        path.find_first_of("\\/", folder.size()) == std::string::npos) {
      names.push_back(path.substr(folder.size()));
    }
  }
  return names;
}

// Memory files carry no times: their size tells them apart, and Touch.
std::optional<FileStamp> MemoryFileSystem::StampOf(const std::string& path) {
  const auto file = files.find(path);
  if (file == files.end()) return std::nullopt;
  const auto touched = touches.find(path);
  return FileStamp{file->second->size(), touched == touches.end() ? 0 : touched->second};
}

void MemoryFileSystem::Put(const std::string& path, std::string content) {
  files[path] = std::make_shared<std::string>(std::move(content));
}

std::string MemoryFileSystem::Get(const std::string& path) const {
  const auto it = files.find(path);
  return it == files.end() ? std::string("<missing>") : *it->second;
}

}  // namespace tovik::testing
