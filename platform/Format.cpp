#include "platform/Format.h"

#include "platform/Exception.h"

namespace {

[[noreturn]] void FormatError(const QString& format) {
    throw Exception(QString("Format '%1' invalid or incompatible with argument").arg(format));
}

QString Pad(const QString& text, int width, bool leftJustify) {
    if (text.size() >= width)
        return text;
    const QString fill(width - text.size(), QChar(' '));
    return leftJustify ? text + fill : fill + text;
}

QString FormatInteger(int64_t value, int precision, int base, bool upper) {
    QString digits =
        QString::number(value < 0 ? -(value + 1) + uint64_t(1) : uint64_t(value), base);
    if (upper)
        digits = digits.toUpper();
    if (precision > digits.size())
        digits = QString(precision - digits.size(), QChar('0')) + digits;
    return value < 0 ? "-" + digits : digits;
}

QString FormatFloat(double value, QChar type, int precision) {
    if (precision < 0)
        precision = type == 'g' ? 15 : 2;
    switch (type.unicode()) {
    case 'f':
        return QString::number(value, 'f', precision);
    case 'e':
        return QString::number(value, 'E', precision);
    case 'g':
        return QString::number(value, 'g', precision);
    case 'n':
    case 'm': {
        // Thousands separated with ",", decimal mark ".".
        QString fixed = QString::number(value < 0 ? -value : value, 'f', precision);
        int point = fixed.indexOf('.');
        if (point < 0)
            point = fixed.size();
        for (int i = point - 3; i > 0; i -= 3)
            fixed.insert(i, ',');
        return value < 0 ? "-" + fixed : fixed;
    }
    }
    return QString();
}

} // namespace

QString FormatArgs(const QString& format, const std::vector<FormatArg>& args) {
    QString out;
    size_t next = 0;
    const int n = format.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = format[i];
        if (c != '%') {
            out += c;
            continue;
        }
        if (++i >= n)
            FormatError(format);
        if (format[i] == '%') {
            out += '%';
            continue;
        }
        bool leftJustify = false;
        int width = 0;
        int precision = -1;
        if (format[i] == '-') {
            leftJustify = true;
            ++i;
        }
        while (i < n && format[i].isDigit())
            width = width * 10 + format[i++].digitValue();
        if (i < n && format[i] == '.') {
            precision = 0;
            ++i;
            while (i < n && format[i].isDigit())
                precision = precision * 10 + format[i++].digitValue();
        }
        if (i >= n || next >= args.size())
            FormatError(format);
        const QChar type = format[i].toLower();
        const FormatArg& arg = args[next++];
        QString piece;
        if (type == 'd' || type == 'u' || type == 'x') {
            if (!std::holds_alternative<int64_t>(arg))
                FormatError(format);
            int64_t v = std::get<int64_t>(arg);
            if (type == 'u' || type == 'x')
                v = int64_t(uint32_t(v));
            piece = FormatInteger(v, precision, type == 'x' ? 16 : 10, format[i] == 'X');
        } else if (type == 's') {
            if (!std::holds_alternative<QString>(arg))
                FormatError(format);
            piece = std::get<QString>(arg);
            if (precision >= 0)
                piece = piece.left(precision);
        } else if (type == 'f' || type == 'e' || type == 'g' || type == 'n' || type == 'm') {
            double v;
            if (std::holds_alternative<double>(arg))
                v = std::get<double>(arg);
            else
                FormatError(format);
            piece = FormatFloat(v, type, precision);
        } else {
            FormatError(format);
        }
        out += Pad(piece, width, leftJustify);
    }
    return out;
}
