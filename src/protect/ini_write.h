#pragma once
// Sets one key of one section in an INI-format text file by rewriting the whole file as bytes.
// Names match without regard to ASCII letter case; everything the edit does not touch keeps its
// bytes, apart from the tidy rules (runs of blank lines shrink to one, control characters at both
// ends go, the file ends with one CR LF).
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace protect::INIwrite {

class IniError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The edit alone: the new file content for the given old content.
std::string editText(const std::string& content, const std::string& section, const std::string& key,
                     const std::string& value);

// Creates the file, the section or the key as needed. The file's attributes become archive alone.
// Throws IniError when the file cannot be read or written; the file is then never left half-written.
void WriteINIKey(platform::FileSystem& fs, const std::string& file, const std::string& section, const std::string& key,
                 const std::string& value);

struct KeyValue {
  std::string key;
  std::string value;
};

// The same as one WriteINIKey per key, in order, with one write of the file: the edits are made
// in memory. A file that does not exist is created and written once, with no temporary file.
void WriteINIKeys(platform::FileSystem& fs, const std::string& file, const std::string& section,
                  std::initializer_list<KeyValue> keys);

}  // namespace protect::INIwrite
