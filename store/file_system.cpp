#include "store/file_system.h"

namespace tovik {

std::string ReadWholeFile(File& file) {
  std::string bytes;
  bytes.resize(static_cast<size_t>(file.Size()));
  file.Seek(0);
  size_t got = 0;
  while (got < bytes.size()) {
    const size_t n = file.Read(bytes.data() + got, bytes.size() - got);
    if (n == 0) break;  // the file shrank under us: keep what was there
    got += n;
  }
  bytes.resize(got);
  return bytes;
}

}  // namespace tovik
