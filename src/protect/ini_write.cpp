#include "protect/ini_write.h"

#include <cstddef>
#include <initializer_list>
#include <string_view>

#include "core/text.h"

namespace protect::INIwrite {
namespace {

constexpr const char* kCrLf = "\r\n";

// The rest of a text from a 0-based position; empty past its end.
std::string_view tail(std::string_view text, std::size_t pos) {
  return pos >= text.size() ? std::string_view() : text.substr(pos);
}

// Joins pieces by appending; GCC 12 at -O3 misreads chains of operator+ as overlapping copies.
std::string join(std::initializer_list<std::string_view> pieces) {
  std::size_t size = 0;
  for (const auto piece : pieces) size += piece.size();
  std::string out;
  out.reserve(size);
  for (const auto piece : pieces) out.append(piece);
  return out;
}

bool isControl(char ch) { return static_cast<unsigned char>(ch) <= 13; }

void tidy(std::string& t) {
  // The CR of the line break put in front for the search.
  t.erase(0, 1);
  const std::string three = "\r\n\r\n\r\n";
  while (t.find(three) != std::string::npos) {
    std::string out;
    out.reserve(t.size());
    std::size_t last = 0;
    for (std::size_t i = t.find(three); i != std::string::npos; i = t.find(three, last)) {
      out.append(t, last, i - last);
      out += "\r\n\r\n";
      last = i + three.size();
    }
    out.append(t, last, std::string::npos);
    t.swap(out);
  }
  std::size_t end = t.size();
  while (end > 0 && isControl(t[end - 1])) --end;
  std::size_t begin = 0;
  while (begin < end && isControl(t[begin])) ++begin;
  t = t.substr(begin, end - begin);
}

}  // namespace

std::string editText(const std::string& content, const std::string& section, const std::string& key,
                     const std::string& value) {
  const std::string sectionTag = join({kCrLf, "[", core::asciiLower(section), "]\r"});
  const std::string keyTag = join({"\n", core::asciiLower(key), "="});
  std::string t = join({kCrLf, content, "[]"});
  // ASCII case folding keeps the length, so positions in the folded copy hold in the original.
  const std::string u = core::asciiLower(t);

  const std::size_t p = u.find(sectionTag);
  if (p == std::string::npos) {
    t.resize(t.size() - 2);
    t = join({t, kCrLf, kCrLf, "[", section, "]", kCrLf, key, "=", value});
  } else {
    const std::size_t afterHeader = p + sectionTag.size();  // the LF that ends the header line
    const std::size_t e = u.find('[', afterHeader);         // always found: the appended "[]"
    const std::size_t k = u.find(keyTag, p);
    t.resize(t.size() - 2);
    if (k == std::string::npos || k > e) {
      const std::string_view all(t);
      t = join({all.substr(0, afterHeader + 1), key, "=", value, kCrLf, tail(all, afterHeader + 1)});
    } else {
      // A key on a last line without a line break ends where the text ends.
      std::size_t c = t.find('\r', k);
      if (c == std::string::npos) c = t.size();
      const std::string_view all(t);
      t = join({all.substr(0, k + 1), key, "=", value, tail(all, c)});
    }
  }
  tidy(t);
  t.append(kCrLf);
  return t;
}

void WriteINIKey(platform::FileSystem& fs, const std::string& file, const std::string& section, const std::string& key,
                 const std::string& value) {
  WriteINIKeys(fs, file, section, {{key, value}});
}

void WriteINIKeys(platform::FileSystem& fs, const std::string& file, const std::string& section,
                  std::initializer_list<KeyValue> keys) {
  const auto edited = [&](std::string content) {
    for (const KeyValue& kv : keys) content = editText(content, section, kv.key, kv.value);
    return content;
  };
  if (!fs.attributes(file)) {
    // Nothing to lose if this is cut short, so no temporary file. One that appeared meanwhile is
    // edited below like any other.
    if (fs.createFile(file, edited({}))) return;
    if (!fs.attributes(file)) throw IniError("cannot create " + file);
  }
  // Read-only, hidden or system would block the replacement below.
  if (!fs.setAttributes(file, platform::attr::kArchive)) throw IniError("cannot set the attributes of " + file);
  auto bytes = fs.readFile(file);
  if (!bytes) throw IniError("cannot read " + file);
  // Written beside the file and moved over it in one step: never truncated, never half-written.
  if (!fs.replaceFile(file, edited(std::move(*bytes)))) throw IniError("cannot write " + file);
}

}  // namespace protect::INIwrite
