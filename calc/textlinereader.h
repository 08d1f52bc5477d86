#pragma once

#include <QByteArray>

class QIODevice;

namespace corvane {

// Reads a device line by line as the core table file is read: a line ends at
// CR LF, CR or LF, a last line without a line end counts, a UTF-8 byte order
// mark before the first line is dropped, and only the head of each line is
// kept, so a line of any length costs no memory.
class TextLineReader
{
public:
    TextLineReader(QIODevice &device, qsizetype keptBytes);

    // Moves to the next line; false once the device has no line left.
    bool next();
    int lineNumber() const { return m_lineNumber; } // counted from 1
    // The first keptBytes bytes of the line, without its line end.
    const QByteArray &head() const { return m_head; }
    // The line was longer than its head.
    bool cut() const { return m_cut; }

private:
    bool fill();

    QIODevice &m_device;
    const qsizetype m_keptBytes;
    QByteArray m_buffer;
    qsizetype m_position = 0;
    qsizetype m_size = 0;
    bool m_afterCR = false; // an LF right after a CR ends no second line
    bool m_atEnd = false;
    int m_lineNumber = 0;
    QByteArray m_head;
    bool m_cut = false;
};

} // namespace corvane
