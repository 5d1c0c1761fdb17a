#include "base/file_system.h"

namespace tovik {

void ReadInto(File& file, char* out, size_t n, size_t& got) {
  while (got < n) {
    const size_t k = file.Read(out + got, n - got);
    if (k == 0) return;  // the file ended, or shrank under us
    got += k;
  }
}

void ReadUpTo(File& file, size_t n, std::string& out) {
  const size_t start = out.size();
  out.resize(start + n);
  size_t got = 0;
  try {
    ReadInto(file, out.data() + start, n, got);
  } catch (const IoError&) {
    out.resize(start + got);
    throw;
  }
  out.resize(start + got);
}

std::string ReadWholeFile(File& file) {
  const auto size = static_cast<size_t>(file.Size());
  file.Seek(0);
  std::string bytes;
  ReadUpTo(file, size, bytes);
  return bytes;
}

std::string WriteFileBeside(FileSystem& fs, const std::string& path,
                            const FileContentWriter& content) {
  const std::string temp = path + ".tmp";
  try {
    auto file = fs.Open(temp, OpenMode::CreateAlways);
    BufferedFileWriter out(*file);
    content(out);
    out.Flush();
    file->Flush();
  } catch (const IoError&) {
    fs.Remove(temp);
    throw;
  }
  return temp;
}

void ReplaceFileContent(FileSystem& fs, const std::string& path, const FileContentWriter& content) {
  const std::string temp = WriteFileBeside(fs, path, content);
  try {
    fs.Replace(path, temp);
  } catch (const IoError&) {
    fs.Remove(temp);
    throw;
  }
}

}  // namespace tovik
