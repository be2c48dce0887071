// The records behind the handles a manager gives out (lists, text edits): each lives here from
// its creation until its disposal and is found from its handle. A program has a handful alive,
// so a search is as quick as a map.
#pragma once

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace platform {

template <typename Record> class HandleRegistry {
  public:
    using HandleType = decltype(std::declval<Record&>().Handle());

    Record* Find(HandleType handle) const {
        if (!handle) return nullptr;
        for (const auto& record : records_)
            if (record->Handle() == handle) return record.get();
        return nullptr;
    }

    Record& Add(std::unique_ptr<Record> record) {
        records_.push_back(std::move(record));
        return *records_.back();
    }

    void Remove(HandleType handle) {
        std::erase_if(records_, [&](const auto& record) { return record->Handle() == handle; });
    }

    size_t Size() const { return records_.size(); }
    std::vector<Record*> All() const {
        return Where([](const Record&) { return true; });
    }

    // The records that satisfy test, in the order they were made.
    template <typename Test> std::vector<Record*> Where(Test test) const {
        std::vector<Record*> found;
        for (const auto& record : records_)
            if (test(*record)) found.push_back(record.get());
        return found;
    }

  private:
    std::vector<std::unique_ptr<Record>> records_;
};

} // namespace platform
