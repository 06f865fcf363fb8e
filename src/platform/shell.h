#pragma once
#include <string>

namespace platform {

class Shell {
 public:
  virtual ~Shell() = default;
  virtual bool isUserAnAdmin() = 0;
  // Opens a document or web address with the shell's "open" verb.
  virtual bool open(const std::string& target) = 0;
  // Tells the shell a folder's look changed, so Explorer redraws its icon at once.
  virtual void folderChanged(const std::string& path) = 0;
  // Tells the shell that items of a directory changed, so Explorer redraws them all with one notice.
  virtual void directoryChanged(const std::string& path) { folderChanged(path); }
  // The folder of the running program, without a trailing backslash.
  virtual std::string applicationDirectory() = 0;
};

}  // namespace platform
