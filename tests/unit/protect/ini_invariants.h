#pragma once
// What every edit of an INI text must keep, checked on lines rather than positions: the oracle
// finds the section and the key line the way a reader of the file would, then compares the result
// with the expected line list; the tidy rules are applied to the expected text as a whole. Shared
// by the unit test and the long fuzz run so both hold the writer to the same rules.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "core/text.h"
#include "protect/ini_write.h"

namespace protecttest::ini {

// Joins by appending: GCC 12 at -O3 misreads chains of operator+ as overlapping copies.
inline std::string cat(std::initializer_list<std::string_view> pieces) {
  std::string out;
  for (const auto piece : pieces) out.append(piece);
  return out;
}

// Bytes as a failure message can show them.
inline std::string shown(const std::string& bytes) {
  std::string out;
  for (const char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n";
    else if (c < 32 || c > 126) {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    } else out += ch;
  }
  return out;
}

inline std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", start)) {
    lines.push_back(text.substr(start, at - start));
    start = at + 2;
  }
  lines.push_back(text.substr(start));
  return lines;
}

// What must remain equal: the non-empty lines of the text with control characters trimmed at
// both ends of the whole text.
inline std::vector<std::string> view(const std::string& text) {
  std::size_t b = 0, e = text.size();
  while (e > b && static_cast<unsigned char>(text[e - 1]) <= 13) --e;
  while (b < e && static_cast<unsigned char>(text[b]) <= 13) ++b;
  std::vector<std::string> out;
  for (auto& line : splitLines(text.substr(b, e - b))) {
    if (!line.empty()) out.push_back(line);
  }
  return out;
}

inline std::string joinLines(const std::vector<std::string>& lines) {
  std::string out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i) out += "\r\n";
    out += lines[i];
  }
  return out;
}

// Case-blind ASCII comparisons without the copies asciiLower makes: the long runs call these
// millions of times. lower is already in lower case.
inline char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

inline bool startsNoCase(const std::string& text, const std::string& lower) {
  if (text.size() < lower.size()) return false;
  for (std::size_t i = 0; i < lower.size(); ++i) {
    if (lowerAscii(text[i]) != lower[i]) return false;
  }
  return true;
}

struct Found {
  int header = -1;   // line index of the section header
  int key = -1;      // line index of the key line in it
  int keyCount = 0;  // key lines in the section before its end
};

inline Found locateFrom(const std::vector<std::string>& lines, std::size_t header, const std::string& key) {
  Found f;
  f.header = static_cast<int>(header);
  const std::string prefix = cat({core::asciiLower(key), "="});
  for (std::size_t i = header + 1; i < lines.size(); ++i) {
    if (startsNoCase(lines[i], prefix)) {
      if (f.key < 0) f.key = static_cast<int>(i);
      ++f.keyCount;
    }
    if (lines[i].find('[') != std::string::npos) break;  // the section's end for the search
  }
  return f;
}

// The first header of the section and its key line, as a reader finds them.
inline Found locate(const std::string& text, const std::string& section, const std::string& key) {
  const auto lines = splitLines(text);
  const std::string header = cat({"[", core::asciiLower(section), "]"});
  // A header needs a line break after it: the last piece of the text has none.
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    if (lines[i].size() == header.size() && startsNoCase(lines[i], header)) return locateFrom(lines, i, key);
  }
  return {};
}

// Why the edit of content into got breaks the rules, or empty when it keeps them. The oracle
// knows line breaks only as CR LF: content must hold no lone CR or LF, and the value no control
// character (the end trim would eat it from a last line).
inline std::string broken(const std::string& content, const std::string& section, const std::string& key,
                          const std::string& value, const std::string& got) {
  if (got.size() < 2 || got.compare(got.size() - 2, 2, "\r\n") != 0) return "no CR LF at the end";
  if (got.size() < 3 || static_cast<unsigned char>(got[got.size() - 3]) <= 13) return "more than one line break at the end";
  if (static_cast<unsigned char>(got[0]) <= 13) return "a control character at the start";
  if (got.find("\r\n\r\n\r\n") != std::string::npos) return "two blank lines in a row";

  // The expected lines are the old ones with the one edit made.
  const Found before = locate(content, section, key);
  const std::string line = cat({key, "=", value});
  auto lines = splitLines(content);
  std::size_t header = 0;
  if (before.header < 0) {
    lines.push_back("");
    lines.push_back(cat({"[", section, "]"}));
    lines.push_back(line);
    header = lines.size() - 2;
  } else {
    header = static_cast<std::size_t>(before.header);
    if (before.key < 0) {
      lines.insert(lines.begin() + before.header + 1, line);
    } else {
      // The old line is replaced up to its first CR, which without lone CRs is its end.
      lines[static_cast<std::size_t>(before.key)] = line;
    }
  }
  const std::string expected = joinLines(lines);

  // The section the edit went to, as a reader of the result finds it. Trimming the start can make
  // a header of a first line that was none ("\x01[a]"), so the edited header is found by its rank
  // among the headers of the expected text trimmed the same way.
  std::size_t b = 0, e = expected.size();
  while (b < e && static_cast<unsigned char>(expected[b]) <= 13) ++b;
  while (e > b && static_cast<unsigned char>(expected[e - 1]) <= 13) --e;
  std::size_t dropped = 0;  // whole lines the trim took
  for (std::size_t at = expected.find("\r\n"); at < b; at = expected.find("\r\n", at + 2)) ++dropped;
  const auto tidiedLines = splitLines(cat({std::string_view(expected).substr(b, e - b), "\r\n"}));
  const auto gotLines = splitLines(got);
  const auto headersIn = [&](const std::vector<std::string>& text) {
    const std::string tag = cat({"[", core::asciiLower(section), "]"});
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
      if (text[i].size() == tag.size() && startsNoCase(text[i], tag)) found.push_back(i);
    }
    return found;
  };
  const auto tidiedHeaders = headersIn(tidiedLines);
  const auto gotHeaders = headersIn(gotLines);
  if (gotHeaders.size() != tidiedHeaders.size()) return "the section is missing or doubled";
  std::size_t rank = 0;
  while (rank < tidiedHeaders.size() && tidiedHeaders[rank] != header - dropped) ++rank;
  if (rank == tidiedHeaders.size()) return cat({"the check lost the section in \"", shown(expected), "\""});
  const Found inGot = locateFrom(gotLines, gotHeaders[rank], key);
  const Found inTidied = locateFrom(tidiedLines, header - dropped, key);
  if (inGot.key < 0) return "the key is missing from its section";
  if (gotLines[static_cast<std::size_t>(inGot.key)] != line) return "the key line is wrong";
  if (inGot.keyCount != inTidied.keyCount) {
    return before.keyCount == 0 ? "the key is not once in its section" : "key lines in the section added or lost";
  }

  // Nothing else changes.
  if (view(got) != view(expected)) return cat({"lines outside the edit changed; expected \"", shown(expected), "\""});
  return {};
}

// One edit to check and how to show it.
struct Edit {
  std::string content, section, key, value;
};

inline std::string describe(const Edit& e, const std::string& got) {
  return cat({"content \"", shown(e.content), "\" section ", shown(e.section), " key ", shown(e.key), " value \"",
              shown(e.value), "\" gave \"", shown(got), "\""});
}

// Texts made of the pieces that matter to the search: headers that are and are not, keys in
// both cases, runs of line breaks, control characters at the ends, "[" inside values.
inline std::string randomText(std::mt19937& rng) {
  static const std::vector<std::string> pieces = {
      "[a]", "[A]",  "[b]",  "[ a]", "k=",           "K=", "k =",  "x=", "1",    "v",    "=", "[",
      "]",   "\r\n", "\r\n", "\r\n", "\r\n\r\n\r\n", "\t", "\x01", " ",  "\xE9", "key=", "ab"};
  std::string out;
  const int n = static_cast<int>(rng() % 30);
  for (int i = 0; i < n; ++i) out += pieces[rng() % pieces.size()];
  return out;
}

inline Edit randomEdit(std::mt19937& rng) {
  static const std::vector<std::string> sections = {"a", "A", "b"};
  static const std::vector<std::string> keys = {"k", "K", "key", "x"};
  static const std::vector<std::string> values = {"", "1", "C:\\lock.ico", "v w", "\xE9"};
  Edit e;
  e.content = randomText(rng);
  e.section = sections[rng() % sections.size()];
  e.key = keys[rng() % keys.size()];
  e.value = values[rng() % values.size()];
  return e;
}

// A wider mix for the long runs: longer texts, the real section and keys, values holding "[" or
// "=", and any single byte other than CR and LF.
inline Edit wideEdit(std::mt19937_64& rng) {
  static const std::vector<std::string> pieces = {
      "[a]",  "[A]",  "[b]",  "[ a]", "[a ]",   "[a] ",  "[.ShellClassInfo]", "[.shellclassinfo]", "[]", "k=",
      "K=",   "k =",  "x=",   "key=", "key2=",  "IconFile=", "iconindex=",    "1",  "v",     "=",  "[",
      "]",    "\r\n", "\r\n", "\r\n", "\r\n",   "\r\n\r\n", "\r\n\r\n\r\n",   "\t", "\x01",  " ",  "\xE9",
      "ab",   std::string(1, '\0'), "\r\n\t", "C:\\lock.ico"};
  static const std::vector<std::string> sections = {"a", "A", "b", ".ShellClassInfo"};
  static const std::vector<std::string> keys = {"k", "K", "key", "x", "IconFile", "IconIndex"};
  static const std::vector<std::string> values = {"", "1", "C:\\lock.ico", "v w", "\xE9", "[v]", "a=b", "0"};
  Edit e;
  const int n = static_cast<int>(rng() % 60);
  for (int i = 0; i < n; ++i) {
    if (rng() % 8 == 0) {
      char byte = '\r';
      while (byte == '\r' || byte == '\n') byte = static_cast<char>(rng() % 256);
      e.content += byte;
    } else {
      e.content += pieces[rng() % pieces.size()];
    }
  }
  e.section = sections[rng() % sections.size()];
  e.key = keys[rng() % keys.size()];
  e.value = values[rng() % values.size()];
  return e;
}

// The texts the oracle can judge: every CR starts a CR LF and every LF ends one.
inline bool breaksArePairs(const std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) return false;
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return false;
  }
  return true;
}

inline std::string brokenEdit(const Edit& e, std::string* got = nullptr) {
  std::string out = protect::INIwrite::editText(e.content, e.section, e.key, e.value);
  std::string why = broken(e.content, e.section, e.key, e.value, out);
  if (got) *got = std::move(out);
  return why;
}

// Cuts pieces out of the content, halves first, while fails still holds, so a failure names a
// small input instead of a page of noise.
template <class Fails>
Edit shrinkWith(Edit e, Fails fails) {
  for (std::size_t len = e.content.size() / 2; len > 0; len /= 2) {
    for (bool cut = true; cut;) {
      cut = false;
      for (std::size_t at = 0; at + len <= e.content.size(); ++at) {
        Edit smaller = e;
        smaller.content.erase(at, len);
        if (breaksArePairs(smaller.content) && fails(smaller)) {
          e = std::move(smaller);
          cut = true;
          break;
        }
      }
    }
  }
  return e;
}

inline Edit shrink(const Edit& e) {
  return shrinkWith(e, [](const Edit& candidate) { return !brokenEdit(candidate).empty(); });
}

struct Run {
  std::uint64_t done = 0;     // edits checked, the failing one included
  std::optional<Edit> fault;  // the first failing edit, shrunk
  std::string why, got;
};

// count wide edits from the seed; stops at the first that breaks a rule.
inline Run fuzz(std::uint64_t count, std::uint64_t seed) {
  std::mt19937_64 rng(seed);
  Run run;
  while (run.done < count) {
    const Edit e = wideEdit(rng);
    ++run.done;
    if (brokenEdit(e).empty()) continue;
    run.fault = shrink(e);
    run.why = brokenEdit(*run.fault, &run.got);
    break;
  }
  return run;
}

}  // namespace protecttest::ini
