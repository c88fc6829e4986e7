#pragma once

#include <QString>
#include <cstdint>
#include <type_traits>
#include <variant>
#include <vector>

// One argument of Format: an integer, a floating-point number or a text.
using FormatArg = std::variant<int64_t, double, QString>;

// The runtime's Format: %d %u %x %s %f %e %g %n %m with optional "-",
// width and ".precision", and %% for a percent sign. Single pass: text taken
// from an argument is never scanned again, so a title holding "%2" stays.
// The decimal mark is always ".". A missing or mismatched argument raises
// Exception "Format '%s' invalid or incompatible with argument".
QString FormatArgs(const QString& format, const std::vector<FormatArg>& args);

namespace format_detail {
template <typename T> FormatArg ToArg(const T& value) {
    if constexpr (std::is_same_v<T, bool>)
        return FormatArg(int64_t(value));
    else if constexpr (std::is_integral_v<T> || std::is_enum_v<T>)
        return FormatArg(int64_t(value));
    else if constexpr (std::is_floating_point_v<T>)
        return FormatArg(double(value));
    else
        return FormatArg(QString(value));
}
} // namespace format_detail

template <typename... Args> QString Format(const QString& format, const Args&... args) {
    return FormatArgs(format, std::vector<FormatArg>{format_detail::ToArg(args)...});
}
