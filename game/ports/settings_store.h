// Per-user settings: string values addressed by section and key. The game reads
// and writes its options, last puzzles and player list through this interface;
// the desktop program backs it with the platform store, tests with memory.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace dravik {

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // nullopt when the key is missing. Whatever comes back may have been written
    // by another program: callers validate it.
    virtual std::optional<std::string> Get(std::string_view section,
                                           std::string_view key) const = 0;
    virtual void Put(std::string_view section, std::string_view key, std::string_view value) = 0;
};

// Settings held in memory: the store of the tests, and a stand-in where no
// platform store is wanted.
class MemorySettingsStore final : public SettingsStore {
  public:
    std::optional<std::string> Get(std::string_view section, std::string_view key) const override {
        auto it = values_.find({std::string(section), std::string(key)});
        if (it == values_.end()) return std::nullopt;
        return it->second;
    }
    void Put(std::string_view section, std::string_view key, std::string_view value) override {
        values_[{std::string(section), std::string(key)}] = std::string(value);
        ++writes_;
    }
    void Remove(std::string_view section, std::string_view key) {
        values_.erase({std::string(section), std::string(key)});
    }
    // Number of Put calls so far.
    int Writes() const { return writes_; }
    const std::map<std::pair<std::string, std::string>, std::string>& Values() const {
        return values_;
    }

  private:
    std::map<std::pair<std::string, std::string>, std::string> values_;
    int writes_ = 0;
};

} // namespace dravik
