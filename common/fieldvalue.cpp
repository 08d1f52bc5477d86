#include "fieldvalue.h"

#include <charconv>
#include <cmath>
#include <string>

namespace corvane {

namespace {

bool isSkipped(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Walks the text once, skipping blanks, and hands out the next significant character.
class Cursor
{
public:
    explicit Cursor(const QString &text) : m_text(text) { skip(); }
    QChar peek() const { return m_pos < m_text.size() ? m_text.at(m_pos) : QChar(); }
    void advance() { ++m_pos; skip(); }

    // Takes a "+" or "-": the sign taken, or a null character.
    QChar takeSign()
    {
        const QChar sign = peek();
        if (sign != QLatin1Char('+') && sign != QLatin1Char('-'))
            return QChar();
        advance();
        return sign;
    }

    // Appends the digits that follow to 'out'; whether there was one.
    bool takeDigits(std::string &out)
    {
        const std::size_t before = out.size();
        for (; isDigit(peek()); advance())
            out += char(peek().unicode());
        return out.size() > before;
    }

private:
    void skip()
    {
        while (m_pos < m_text.size() && isSkipped(m_text.at(m_pos)))
            ++m_pos;
    }
    const QString &m_text;
    qsizetype m_pos = 0;
};

} // namespace

double fieldValue(const QString &text)
{
    Cursor in(text);
    const bool negative = in.takeSign() == QLatin1Char('-');
    std::string number;
    const bool integerDigits = in.takeDigits(number);
    bool fractionDigits = false;
    if (in.peek() == QLatin1Char('.')) {
        number += '.';
        in.advance();
        fractionDigits = in.takeDigits(number);
    }
    if (!integerDigits && !fractionDigits)
        return 0.0;

    const QChar e = in.peek().toUpper();
    if (e == QLatin1Char('E') || e == QLatin1Char('D')) {
        in.advance();
        std::string exponent = in.takeSign() == QLatin1Char('-') ? "e-" : "e";
        if (in.takeDigits(exponent))
            number += exponent;
    }

    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    // Out of range means too large (or too small to matter): neither is a usable entry.
    if (result.ec != std::errc() || !std::isfinite(value))
        return 0.0;
    return negative ? -value : value;
}

} // namespace corvane
