// The per-user class registry file, shared by the library (which writes its
// keys into it on registration) and hosts (which resolve a class to the library
// that serves it).
//
// Format, UTF-8 text:
//   ; comment
//   [CLSID\{C61830CF-8B47-11D4-9F3F-0000B45C4CF6}\InprocServer32]
//   @=/usr/lib/libwavory.so
//   ThreadingModel=Apartment
// Key paths and value names compare without regard to ASCII case, as the
// system registry's do. A value ends at the end of its line.
#pragma once

#include <wavory/wavory.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

namespace wavory::registry {

struct Value {
    std::string name; // empty: the key's default value, written "@"
    std::string data;
};

struct Key {
    std::string path;
    std::vector<Value> values;
};

inline std::string DefaultPath() {
    if (const char* path = std::getenv(kClassRegistryVariable); path && *path) return path;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config)
        return std::string(config) + "/wavory/classes.reg";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::string(home) + "/.config/wavory/classes.reg";
    return {};
}

inline bool SameText(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

// True when `path` is `root` or lies under it.
inline bool IsUnder(const std::string& path, const std::string& root) {
    if (path.size() < root.size()) return false;
    if (!SameText(path.substr(0, root.size()), root)) return false;
    return path.size() == root.size() || path[root.size()] == '\\';
}

inline std::vector<Key> Parse(std::istream& in) {
    std::vector<Key> keys;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == ';') continue;
        if (line.front() == '[' && line.back() == ']' && line.size() > 2) {
            keys.push_back(Key{line.substr(1, line.size() - 2), {}});
            continue;
        }
        auto equals = line.find('=');
        if (equals == std::string::npos || keys.empty()) continue;
        std::string name = line.substr(0, equals);
        if (name == "@") name.clear();
        keys.back().values.push_back(Value{name, line.substr(equals + 1)});
    }
    return keys;
}

inline void Write(std::ostream& out, const std::vector<Key>& keys) {
    out << "; Wavory per-user class registry\n";
    for (const Key& key : keys) {
        out << '[' << key.path << "]\n";
        for (const Value& value : key.values)
            out << (value.name.empty() ? "@" : value.name) << '=' << value.data << '\n';
    }
}

// A missing file is an empty registry.
inline std::vector<Key> Load(const std::string& path) {
    std::ifstream in(path);
    if (!in) return {};
    return Parse(in);
}

// Written whole to a temporary file beside it, then renamed over it.
inline bool Save(const std::string& path, const std::vector<Key>& keys) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path target(path);
    if (target.has_parent_path()) fs::create_directories(target.parent_path(), error);
    fs::path temporary = target;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::trunc);
        if (!out) return false;
        Write(out, keys);
        out.flush();
        if (!out) return false;
    }
    fs::rename(temporary, target, error);
    if (error) {
        fs::remove(temporary, error);
        return false;
    }
    return true;
}

inline const Key* FindKey(const std::vector<Key>& keys, const std::string& path) {
    for (const Key& key : keys)
        if (SameText(key.path, path)) return &key;
    return nullptr;
}

inline std::optional<std::string> GetValue(const std::vector<Key>& keys, const std::string& path,
                                           const std::string& name = {}) {
    const Key* key = FindKey(keys, path);
    if (!key) return std::nullopt;
    for (const Value& value : key->values)
        if (SameText(value.name, name)) return value.data;
    return std::nullopt;
}

// The library registered for a class: the default value of its InprocServer32 key.
inline std::optional<std::string> InprocServer(const std::vector<Key>& keys,
                                               const std::string& clsidText) {
    return GetValue(keys, "CLSID\\" + clsidText + "\\InprocServer32");
}

} // namespace wavory::registry
