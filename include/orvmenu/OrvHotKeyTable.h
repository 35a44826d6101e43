// The hot-key table: hot-key records keyed by their text.
//
// Header-only, so that the host and the library run the same code on the same table. The
// table owns its records. Its iteration order is part of the behaviour: it decides which of
// several matching hot keys fires and the order of a saved file. That order is the one of a
// 17-bucket hash table: buckets 0 to 16, within a bucket the newest entry first.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <list>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

class OrvMenu;

// Modifier of a hot key (MOD in the hot-key file: "C", "S" or empty).
enum OrvHotKeyModifier : std::int32_t {
    kOrvHotKeyNoModifier = 0,
    kOrvHotKeyCtrl = 1,
    kOrvHotKeyShift = 2,
};

// One hot key: a key code and modifier bound to a screen.
class OrvHotKey {
public:
    std::int32_t keyCode = 0;
    std::int32_t modifier = kOrvHotKeyNoModifier;
    std::string trCode;
    std::string text;              // what the user calls the hot key; its key in the table
    OrvMenu* menuNode = nullptr;   // the screen's menu node; owned by the main menu
};

class COrvHotKeyTable {
public:
    static constexpr std::size_t kBucketCount = 17;

    struct Entry {
        std::string key;
        std::unique_ptr<OrvHotKey> record;
    };

private:
    using Chain = std::list<Entry>;
    using Buckets = std::array<Chain, kBucketCount>;

public:
    // Walks the entries in the table's order. Records may be changed through it; keys may not.
    class iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Entry;
        using difference_type = std::ptrdiff_t;
        using pointer = const Entry*;
        using reference = const Entry&;

        iterator() = default;
        reference operator*() const { return *pos_; }
        pointer operator->() const { return &*pos_; }
        iterator& operator++() {
            ++pos_;
            SkipEmpty();
            return *this;
        }
        iterator operator++(int) {
            iterator old = *this;
            ++*this;
            return old;
        }
        friend bool operator==(const iterator& a, const iterator& b) {
            return a.bucket_ == b.bucket_ && (a.bucket_ == kBucketCount || a.pos_ == b.pos_);
        }

    private:
        friend class COrvHotKeyTable;
        iterator(const Buckets* buckets, std::size_t bucket) : buckets_(buckets), bucket_(bucket) {
            if (bucket_ < kBucketCount) {
                pos_ = (*buckets_)[bucket_].begin();
                SkipEmpty();
            }
        }
        void SkipEmpty() {
            while (pos_ == (*buckets_)[bucket_].end()) {
                if (++bucket_ == kBucketCount) return;
                pos_ = (*buckets_)[bucket_].begin();
            }
        }

        const Buckets* buckets_ = nullptr;
        std::size_t bucket_ = kBucketCount;
        Chain::const_iterator pos_{};
    };
    using const_iterator = iterator;

    COrvHotKeyTable() = default;
    COrvHotKeyTable(const COrvHotKeyTable&) = delete;
    COrvHotKeyTable& operator=(const COrvHotKeyTable&) = delete;

    // h = 33 * h + c over the key's bytes taken as signed chars, in unsigned 32-bit arithmetic.
    static std::uint32_t HashKey(std::string_view key) {
        std::uint32_t h = 0;
        for (const char c : key) {
            h = h * 33u + static_cast<std::uint32_t>(static_cast<signed char>(c));
        }
        return h;
    }
    static std::size_t BucketOf(std::string_view key) { return HashKey(key) % kBucketCount; }

    // The record stored under key, or null.
    OrvHotKey* Lookup(std::string_view key) const {
        const auto found = index_.find(key);
        return found == index_.end() ? nullptr : found->second->record.get();
    }

    // Stores record under key and returns it. A record already stored under key is freed and
    // the new one takes its place in the order; a new key goes to the head of its bucket. A null
    // record stores nothing and returns null.
    OrvHotKey* SetAt(std::string_view key, std::unique_ptr<OrvHotKey> record) {
        if (!record) return nullptr;
        OrvHotKey* stored = record.get();
        // Entered first and looked up once: a load adds many keys and replaces few.
        Chain& chain = buckets_[BucketOf(key)];
        chain.push_front(Entry{std::string(key), std::move(record)});
        // The index keys view the entry's own string, which list nodes never move.
        const auto [found, added] = index_.try_emplace(std::string_view(chain.front().key), chain.begin());
        if (!added) {
            found->second->record = std::move(chain.front().record);
            chain.pop_front();
        }
        return stored;
    }

    // Frees the record stored under key. False when there was none.
    bool RemoveKey(std::string_view key) {
        const auto found = index_.find(key);
        if (found == index_.end()) return false;
        const auto pos = found->second;
        index_.erase(found);
        buckets_[BucketOf(pos->key)].erase(pos);
        return true;
    }

    void RemoveAll() {
        index_.clear();
        for (Chain& chain : buckets_) chain.clear();
    }

    std::size_t GetCount() const { return index_.size(); }
    bool IsEmpty() const { return index_.empty(); }

    iterator begin() const { return iterator(&buckets_, 0); }
    iterator end() const { return iterator(&buckets_, kBucketCount); }

private:
    Buckets buckets_;
    // Finds an entry without walking its chain, so a file of many hot keys loads in linear time.
    std::unordered_map<std::string_view, Chain::iterator> index_;
};
