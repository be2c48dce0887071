#include "Unicode/Collators.h"

#include <array>
#include <iterator>
#include <memory>
#include <mutex>

namespace platform {

namespace {

struct CloseCollator {
    void operator()(UCollator* collator) const { ucol_close(collator); }
};
using CollatorPtr = std::unique_ptr<UCollator, CloseCollator>;

// The options that change how a collator is set up; each combination gets a collator of its own.
constexpr UCCollateOptions kSettingMasks[] = {kUCCollateCaseInsensitiveMask,
                                              kUCCollatePunctuationSignificantMask,
                                              kUCCollateDigitsAsNumberMask};
constexpr size_t kSettingCount = size_t(1) << std::size(kSettingMasks);

size_t SettingIndex(UCCollateOptions options) {
    size_t index = 0;
    for (size_t bit = 0; bit < std::size(kSettingMasks); ++bit)
        if (options & kSettingMasks[bit]) index |= size_t(1) << bit;
    return index;
}

// Always the root collation: the process locale under LANG=C would order by code point.
CollatorPtr OpenCollator(UCCollateOptions options) {
    UErrorCode status = U_ZERO_ERROR;
    CollatorPtr collator(ucol_open("", &status));
    if (U_FAILURE(status)) return nullptr;
    UCollator* c = collator.get();
    // Case and width are both tertiary differences; secondary strength keeps diacritics.
    bool ignoreCase = options & kUCCollateCaseInsensitiveMask;
    bool punctuation = options & kUCCollatePunctuationSignificantMask;
    bool numbers = options & kUCCollateDigitsAsNumberMask;
    ucol_setAttribute(c, UCOL_STRENGTH, ignoreCase ? UCOL_SECONDARY : UCOL_TERTIARY, &status);
    ucol_setAttribute(c, UCOL_ALTERNATE_HANDLING, punctuation ? UCOL_NON_IGNORABLE : UCOL_SHIFTED,
                      &status);
    ucol_setAttribute(c, UCOL_NUMERIC_COLLATION, numbers ? UCOL_ON : UCOL_OFF, &status);
    ucol_setAttribute(c, UCOL_NORMALIZATION_MODE, UCOL_ON, &status);
    if (U_FAILURE(status)) return nullptr;
    return collator;
}

class CollatorTable {
  public:
    UCollator* For(UCCollateOptions options) {
        size_t index = SettingIndex(options);
        std::call_once(opened_[index], [&] { collators_[index] = OpenCollator(options); });
        return collators_[index].get();
    }

  private:
    std::array<std::once_flag, kSettingCount> opened_;
    std::array<CollatorPtr, kSettingCount> collators_;
};

} // namespace

UCollator* CollatorFor(UCCollateOptions options) {
    // One sort compares tens of thousands of times: the collators are opened once.
    static CollatorTable collators;
    return collators.For(options);
}

} // namespace platform
