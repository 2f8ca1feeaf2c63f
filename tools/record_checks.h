// The per-record checks of `verify` and `stats`, made cheap on hostile books: each distinct record
// is checked once however many puzzle numbers point at it, and the whole run stops at a deadline.
#pragma once

#include "core/book_format.h"

#include <chrono>
#include <string>
#include <unordered_map>

namespace booktool {

template <typename Result> class RecordChecks {
public:
    explicit RecordChecks(std::chrono::steady_clock::duration budget)
        : deadline_(std::chrono::steady_clock::now() + budget)
    {
    }

    // The result of `check(record)`, worked out the first time these cells are met and reused
    // after that.
    template <typename Check> const Result &of(const kakuro::BookPuzzle &record, Check check)
    {
        std::string key = std::to_string(record.width) + 'x' + std::to_string(record.height) + ':';
        key.append(record.cells.begin(), record.cells.end());
        auto [at, fresh] = results_.try_emplace(std::move(key));
        if (fresh)
            at->second = check(record);
        return at->second;
    }

    // Whether the run has used up its time; the caller stops before the next record.
    bool outOfTime() const { return std::chrono::steady_clock::now() >= deadline_; }

private:
    std::chrono::steady_clock::time_point deadline_;
    std::unordered_map<std::string, Result> results_;
};

} // namespace booktool
