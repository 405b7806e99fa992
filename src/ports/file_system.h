#pragma once
// What the program needs of the file system: read a file whole, replace a file
// atomically, look at folders. The files the user saves and opens go through here and
// nowhere else; one implementation is the real disk (platform/), the tests have one
// that fails on demand.
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ports/user_error.h"

namespace tessella::ports {

// A file operation that failed; what() is a sentence for the user naming the file.
struct FileError : UserError {
  using UserError::UserError;
};

struct FolderEntry {
  std::string name;
  bool is_folder = false;
  bool operator==(const FolderEntry&) const = default;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The file's bytes. Throws FileError when it cannot be read (missing, a folder, no
  // permission).
  virtual std::string Read(const std::string& path) = 0;
  // Replaces the file with exactly these bytes, or creates it: the bytes go to a new
  // temporary file in the same folder, are flushed to the disk and renamed over the old
  // file. Throws FileError; the old file is then whole and nothing else is left behind.
  virtual void Write(const std::string& path, std::string_view bytes) = 0;
  virtual bool Exists(const std::string& path) = 0;
  virtual bool IsFolder(const std::string& path) = 0;
  // The entries of a folder, without "." and "..", sorted by name. Throws FileError.
  virtual std::vector<FolderEntry> List(const std::string& folder) = 0;
  // Where relative names are taken: the process's current folder at start.
  virtual std::string CurrentFolder() = 0;
};

}  // namespace tessella::ports
