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
    bool atEnd() const { return m_pos >= m_text.size(); }
    QChar peek() const { return atEnd() ? QChar() : m_text.at(m_pos); }
    void advance() { ++m_pos; skip(); }

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
    std::string number;
    bool negative = false;
    if (in.peek() == QLatin1Char('+') || in.peek() == QLatin1Char('-')) {
        negative = in.peek() == QLatin1Char('-');
        in.advance();
    }

    bool anyDigit = false;
    while (isDigit(in.peek())) {
        number += char(in.peek().unicode());
        anyDigit = true;
        in.advance();
    }
    if (in.peek() == QLatin1Char('.')) {
        number += '.';
        in.advance();
        while (isDigit(in.peek())) {
            number += char(in.peek().unicode());
            anyDigit = true;
            in.advance();
        }
    }
    if (!anyDigit)
        return 0.0;

    const QChar e = in.peek().toUpper();
    if (e == QLatin1Char('E') || e == QLatin1Char('D')) {
        std::string exponent = "e";
        in.advance();
        if (in.peek() == QLatin1Char('+') || in.peek() == QLatin1Char('-')) {
            exponent += char(in.peek().unicode());
            in.advance();
        }
        bool expDigit = false;
        while (isDigit(in.peek())) {
            exponent += char(in.peek().unicode());
            expDigit = true;
            in.advance();
        }
        if (expDigit)
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
