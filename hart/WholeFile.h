// The one way the programs write a file: whole or not at all. The bytes go into a temporary
// file beside the target; every write, the flush to disk and the close are checked, and only
// then does the temporary file take the target's name in one rename. On any failure the
// temporary file is removed, an older file of that name stays as it was, and Error() holds
// the system's reason ("No space left on device").
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class WholeFileWriter {
 public:
  WholeFileWriter() = default;
  ~WholeFileWriter();  // discards what was not committed
  WholeFileWriter(const WholeFileWriter&) = delete;
  WholeFileWriter& operator=(const WholeFileWriter&) = delete;

  // Creates the temporary file for `path` (a path in UTF-8). False with the reason.
  bool Open(const std::string& path);
  // Appends bytes. After the first failure every later write fails too, with that reason.
  bool Write(const void* data, size_t size);
  bool Write(std::string_view bytes) { return Write(bytes.data(), bytes.size()); }
  // Flushes to disk, closes and renames over the target. False (target untouched) with the
  // reason when anything failed, now or in an earlier write.
  bool Commit();
  // Removes the temporary file; the target stays as it was.
  void Discard();

  bool IsOpen() const { return open_; }
  bool Failed() const { return !error_.empty(); }
  const std::string& Error() const { return error_; }
  const std::string& Path() const { return path_; }

 private:
  void Fail(const std::string& reason);
  void CloseHandle();

  std::string path_;
  std::string temp_;
  std::string error_;
  bool open_ = false;
#ifdef _WIN32
  void* handle_ = nullptr;
#else
  int fd_ = -1;
#endif
};

// Writes `bytes` as the whole content of `path`. False with the reason in `error`.
bool WriteFileWhole(const std::string& path, std::string_view bytes, std::string* error = nullptr);

// The text every program shows when a file could not be written:
// "Could not save PT-101.Hart: No space left on device".
std::string SaveFailureText(const std::string& path, const std::string& reason);
