#include "textlinereader.h"

#include <QIODevice>

#include <limits>

namespace corvane {

namespace {
constexpr qsizetype ChunkBytes = 64 * 1024;
constexpr char ByteOrderMark[] = "\xef\xbb\xbf";
}

TextLineReader::TextLineReader(QIODevice &device, qsizetype keptBytes)
    : m_device(device), m_keptBytes(keptBytes), m_buffer(ChunkBytes, Qt::Uninitialized)
{
}

bool TextLineReader::fill()
{
    if (m_position < m_size)
        return true;
    if (m_atEnd)
        return false;
    const qint64 got = m_device.read(m_buffer.data(), ChunkBytes);
    m_position = 0;
    m_size = got > 0 ? qsizetype(got) : 0;
    m_atEnd = got <= 0;
    return m_size > 0;
}

bool TextLineReader::next()
{
    m_head.clear();
    m_cut = false;
    bool started = false;
    while (fill()) {
        const char *const data = m_buffer.constData();
        const char c = data[m_position];
        if (c == '\n' && m_afterCR) {
            m_afterCR = false;
            ++m_position;
            continue;
        }
        m_afterCR = c == '\r';
        if (m_afterCR || c == '\n') {
            ++m_position;
            started = true;
            break;
        }
        qsizetype end = m_position;
        while (end < m_size && data[end] != '\r' && data[end] != '\n')
            ++end;
        const qsizetype room = m_keptBytes - m_head.size();
        const qsizetype length = end - m_position;
        if (room > 0)
            m_head.append(data + m_position, qMin(room, length));
        m_cut = m_cut || length > room;
        m_position = end;
        started = true;
    }
    if (!started)
        return false;
    if (m_lineNumber < std::numeric_limits<int>::max())
        ++m_lineNumber;
    if (m_lineNumber == 1 && m_head.startsWith(ByteOrderMark))
        m_head.remove(0, qsizetype(sizeof ByteOrderMark - 1));
    return true;
}

} // namespace corvane
