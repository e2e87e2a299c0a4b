#include "core/settings_file.h"

#include "core/path.h"

namespace tmb {

namespace {

bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string trim(const std::string& s) {
  std::size_t b = 0, e = s.size();
  while (b < e && isBlank(s[b])) ++b;
  while (e > b && isBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

// The key part of a stored line: the text before its first "=", or the whole line without one.
std::string lineName(const std::string& line) { return line.substr(0, line.find('=')); }

// Lines end in CR, LF or CRLF, whichever the editor wrote.
std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

}  // namespace

SettingsFile SettingsFile::load(FileSystem& fs, const std::string& path) {
  SettingsFile store;
  if (fs.fileExists(path)) {
    const Bytes bytes = fs.readFile(path);
    store = parse(std::string(bytes.begin(), bytes.end()));
  }
  store.path_ = path;
  return store;
}

SettingsFile SettingsFile::parse(const std::string& input) {
  std::string text = input;
  // Editors on Windows like to put a byte order mark in front; it would hide the first section.
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);

  SettingsFile store;
  Section* current = nullptr;
  for (const std::string& raw : splitLines(text)) {
    const std::string line = trim(raw);
    if (line.empty() || line[0] == ';') continue;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      const std::string name = trim(line.substr(1, line.size() - 2));
      // A section that appears twice is one section: its later lines join the first.
      current = store.findSection(name);
      if (!current) {
        store.sections_.push_back({name, {}});
        current = &store.sections_.back();
      }
      continue;
    }
    if (!current) continue;  // lines before the first section belong nowhere
    const auto eq = line.find('=');
    if (eq == std::string::npos)
      current->lines.push_back(line);
    else
      current->lines.push_back(trim(line.substr(0, eq)) + "=" + trim(line.substr(eq + 1)));
  }
  return store;
}

const SettingsFile::Section* SettingsFile::findSection(const std::string& name) const {
  for (const auto& s : sections_)
    if (equalsIgnoreCase(s.name, name)) return &s;
  return nullptr;
}

SettingsFile::Section* SettingsFile::findSection(const std::string& name) {
  return const_cast<Section*>(static_cast<const SettingsFile*>(this)->findSection(name));
}

std::string SettingsFile::readString(const std::string& section, const std::string& key,
                                     const std::string& defaultValue) const {
  const Section* s = findSection(section);
  if (!s) return defaultValue;
  for (const auto& line : s->lines) {
    if (!equalsIgnoreCase(lineName(line), key)) continue;
    const auto eq = line.find('=');
    return eq == std::string::npos ? std::string() : line.substr(eq + 1);
  }
  return defaultValue;
}

void SettingsFile::writeString(const std::string& section, const std::string& key, const std::string& value) {
  Section* s = findSection(section);
  if (!s) {
    sections_.push_back({section, {}});
    s = &sections_.back();
  }
  for (auto& line : s->lines) {
    if (equalsIgnoreCase(lineName(line), key)) {
      line = key + "=" + value;
      return;
    }
  }
  s->lines.push_back(key + "=" + value);
}

void SettingsFile::deleteKey(const std::string& section, const std::string& key) {
  Section* s = findSection(section);
  if (!s) return;
  // Every matching line goes, so a hand-made duplicate cannot reappear in its place.
  auto& lines = s->lines;
  for (auto it = lines.begin(); it != lines.end();)
    it = equalsIgnoreCase(lineName(*it), key) ? lines.erase(it) : it + 1;
}

bool SettingsFile::sectionExists(const std::string& section) const {
  const Section* s = findSection(section);
  return s && !s->lines.empty();
}

std::vector<std::string> SettingsFile::sectionNames() const {
  std::vector<std::string> names;
  names.reserve(sections_.size());
  for (const auto& s : sections_) names.push_back(s.name);
  return names;
}

std::string SettingsFile::text() const {
  std::string out;
  for (const auto& s : sections_) {
    out += "[" + s.name + "]\r\n";
    for (const auto& line : s.lines) out += line + "\r\n";
    out += "\r\n";
  }
  return out;
}

void SettingsFile::save(FileSystem& fs) const {
  const std::string fresh = path_ + ".new";
  try {
    fs.writeFile(fresh, ByteView::of(text()));
    fs.replaceFile(fresh, path_);
  } catch (const FileError&) {
    fs.removeFile(fresh);
    throw;
  }
}

}  // namespace tmb
