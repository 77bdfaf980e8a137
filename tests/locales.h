#pragma once
// The locales that write decimals with a comma (German, French, Polish). On Linux they are
// compiled for the tests by make_locales.sh into TAVREL_LOCALE_FOLDER, where the C library finds
// them through LOCPATH; Windows' C library has them built in, under its own names. A test that
// runs in them fails where they are missing rather than pass in the C locale.

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string_view>

namespace tavrel::test {

#ifdef _WIN32
inline constexpr const char* kCommaLocales[] = {"German_Germany.1252", "French_France.1252",
                                                 "Polish_Poland.1250"};
#else
inline constexpr const char* kCommaLocales[] = {"de_DE.UTF-8", "fr_FR.UTF-8", "pl_PL.UTF-8"};
#endif

// The C library's numbers in `locale` while the guard lives, as a Qt application sets them from
// the system's locale; back to the C locale after.
class NumericLocale {
public:
    explicit NumericLocale(const char* locale) : locale_(locale)
    {
#ifndef _WIN32
        setenv("LOCPATH", TAVREL_LOCALE_FOLDER, 1);
#endif
        switched_ = std::setlocale(LC_NUMERIC, locale) != nullptr;
    }
    ~NumericLocale() { std::setlocale(LC_NUMERIC, "C"); }
    NumericLocale(const NumericLocale&) = delete;
    NumericLocale& operator=(const NumericLocale&) = delete;

    testing::AssertionResult writesDecimalCommas() const
    {
        if (!switched_)
            return testing::AssertionFailure()
                   << locale_ << " is missing from " TAVREL_LOCALE_FOLDER
                   << " (tests/make_locales.sh compiles it from Debian's package locales)";
        if (std::string_view(std::localeconv()->decimal_point) != ",")
            return testing::AssertionFailure() << locale_ << " writes no decimal comma";
        return testing::AssertionSuccess();
    }

private:
    const char* locale_;
    bool switched_ = false;
};

}  // namespace tavrel::test
