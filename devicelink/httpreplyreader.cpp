#include "devicelink/httpreplyreader.h"

#include <QCoreApplication>
#include <QList>

namespace {

// A server's header is a few hundred bytes; one that runs on for this long is no reply we can use, and is not
// gathered in memory any further.
const int MaxHeaderBytes = 64 * 1024;
// Likewise for a line of the chunk framing (a size with its extensions, or a trailer field).
const int MaxLineBytes = 8 * 1024;

const char *const Context = "HttpReplyReader";

QString text(const char *source)
{
    return QCoreApplication::translate(Context, source);
}

// Position just after the blank line that ends the header, looking from position from on; -1 while it is missing.
// Lines may end in CRLF or a bare LF.
int headerEnd(const QByteArray &buffer, int from)
{
    const int size = buffer.size();
    for (int i = buffer.indexOf('\n', from); i >= 0; i = buffer.indexOf('\n', i + 1)) {
        if (i + 1 < size && buffer.at(i + 1) == '\n')
            return i + 2;
        if (i + 2 < size && buffer.at(i + 1) == '\r' && buffer.at(i + 2) == '\n')
            return i + 3;
    }
    return -1;
}

bool allDigits(const QByteArray &value)
{
    if (value.isEmpty())
        return false;
    for (const char c : value) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

bool allHexDigits(const QByteArray &value)
{
    if (value.isEmpty())
        return false;
    for (const char c : value) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')))
            return false;
    }
    return true;
}

QByteArray withoutLineEnd(QByteArray line)
{
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

} // namespace

QByteArray HttpReplyReader::take(const QByteArray &bytes)
{
    QByteArray body;
    int position = 0;
    while (position < bytes.size() && (m_state == State::Header || m_state == State::Body)) {
        if (m_state == State::Header)
            position = readHeader(bytes, position);
        else
            position = readBody(bytes, position, &body);
    }
    return body;
}

void HttpReplyReader::connectionClosed()
{
    if (m_state == State::Body && m_framing == Framing::UntilClose) {
        m_state = State::Done;
        return;
    }
    if (m_state == State::Header && m_statusCode == 0 && m_header.isEmpty())
        fail(text("The server closed the connection without a reply."));
    else if (m_state == State::Header || m_state == State::Body)
        fail(text("The connection closed before the whole reply had arrived."));
}

int HttpReplyReader::readHeader(const QByteArray &bytes, int from)
{
    const int before = m_header.size();
    const int count = qMin(bytes.size() - from, MaxHeaderBytes - before);
    m_header.append(bytes.constData() + from, count);
    const int end = headerEnd(m_header, qMax(0, before - 2));
    if (end < 0) {
        if (m_header.size() >= MaxHeaderBytes)
            fail(text("The reply's header is too large."));
        return from + count;
    }
    const QByteArray header = m_header.left(end);
    m_header.clear();
    parseHeader(header);
    return from + (end - before);
}

void HttpReplyReader::parseHeader(const QByteArray &header)
{
    const QList<QByteArray> lines = header.split('\n');

    // "HTTP/1.1 200 OK": the version, three digits, and a reason phrase that may be empty.
    const QByteArray statusLine = withoutLineEnd(lines.value(0));
    const int space = statusLine.indexOf(' ');
    bool valid = statusLine.startsWith("HTTP/1.") && space > 0 && statusLine.size() >= space + 4;
    const QByteArray code = valid ? statusLine.mid(space + 1, 3) : QByteArray();
    valid = valid && allDigits(code) && (statusLine.size() == space + 4 || statusLine.at(space + 4) == ' ');
    const int status = valid ? code.toInt() : 0;
    if (status < 100 || status == 101) {
        // 101 would hand the connection over to another protocol, which no request of ours asks for.
        fail(text("The server's answer is no HTTP reply."));
        return;
    }

    QByteArray contentLength;
    bool lengthGiven = false;
    QList<QByteArray> codings;
    for (int i = 1; i < lines.size(); ++i) {
        const QByteArray line = withoutLineEnd(lines.at(i));
        if (line.isEmpty())
            continue; // the blank line that ends the header
        const int colon = line.indexOf(':');
        // A name with blanks around it, or a line folded onto the one before, makes the framing ambiguous.
        if (colon <= 0 || line.at(0) == ' ' || line.at(0) == '\t' || line.at(colon - 1) == ' ' ||
            line.at(colon - 1) == '\t') {
            fail(text("The reply's header is malformed."));
            return;
        }
        const QByteArray name = line.left(colon).toLower();
        const QByteArray value = line.mid(colon + 1).trimmed();
        if (name == "content-length") {
            // Two different lengths leave no way to tell where the body ends.
            if (!allDigits(value) || value.size() > 18 || (lengthGiven && value != contentLength)) {
                fail(text("The reply's header is malformed."));
                return;
            }
            contentLength = value;
            lengthGiven = true;
        } else if (name == "transfer-encoding") {
            for (const QByteArray &coding : value.split(',')) {
                const QByteArray trimmed = coding.trimmed().toLower();
                if (!trimmed.isEmpty() && trimmed != "identity")
                    codings.append(trimmed);
            }
        }
    }

    if (status < 200)
        return; // an interim reply ("100 Continue"); the final one follows

    m_statusCode = status;
    m_reasonPhrase = statusLine.mid(space + 5).trimmed();
    if (!codings.isEmpty() && codings != QList<QByteArray>{QByteArray("chunked")}) {
        fail(text("The reply is sent in a coding this station cannot read."));
        return;
    }
    if (status == 204 || status == 304) {
        m_contentLength = 0;
        m_state = State::Done;
    } else if (!codings.isEmpty()) {
        // Chunks carry their own lengths; a Content-Length beside them does not count.
        m_framing = Framing::Chunked;
        m_state = State::Body;
    } else if (lengthGiven) {
        m_framing = Framing::Length;
        m_contentLength = contentLength.toLongLong();
        m_remaining = m_contentLength;
        m_state = m_remaining > 0 ? State::Body : State::Done;
    } else {
        m_framing = Framing::UntilClose;
        m_state = State::Body;
    }
}

int HttpReplyReader::readBody(const QByteArray &bytes, int from, QByteArray *body)
{
    if (m_framing == Framing::Chunked)
        return readChunked(bytes, from, body);

    const int available = bytes.size() - from;
    const int count = m_framing == Framing::Length ? int(qMin<qint64>(m_remaining, available)) : available;
    if (body->isEmpty() && from == 0 && count == bytes.size())
        *body = bytes; // the common case: a read that is all body, handed on without a copy
    else
        body->append(bytes.constData() + from, count);
    m_bodyReceived += count;
    if (m_framing == Framing::Length) {
        m_remaining -= count;
        if (m_remaining == 0)
            m_state = State::Done;
    }
    return from + count;
}

int HttpReplyReader::readChunked(const QByteArray &bytes, int from, QByteArray *body)
{
    bool complete = false;
    switch (m_chunkPart) {
    case ChunkPart::Size: {
        const int next = readLine(bytes, from, &complete);
        if (!complete)
            return next;
        // "1a2b" or "1a2b;name=value": the size in hexadecimal, extensions ignored.
        const int semicolon = m_line.indexOf(';');
        const QByteArray size = (semicolon >= 0 ? m_line.left(semicolon) : m_line).trimmed();
        m_line.clear();
        if (!allHexDigits(size) || size.size() > 15) {
            fail(text("The reply's chunks are malformed."));
            return next;
        }
        m_remaining = size.toLongLong(nullptr, 16);
        m_chunkPart = m_remaining > 0 ? ChunkPart::Data : ChunkPart::Trailer;
        return next;
    }
    case ChunkPart::Data: {
        const int count = int(qMin<qint64>(m_remaining, bytes.size() - from));
        body->append(bytes.constData() + from, count);
        m_bodyReceived += count;
        m_remaining -= count;
        if (m_remaining == 0)
            m_chunkPart = ChunkPart::DataEnd;
        return from + count;
    }
    case ChunkPart::DataEnd: {
        const int next = readLine(bytes, from, &complete);
        if (!complete)
            return next;
        if (!m_line.isEmpty())
            fail(text("The reply's chunks are malformed."));
        m_chunkPart = ChunkPart::Size;
        return next;
    }
    case ChunkPart::Trailer: {
        // Trailer fields after the last chunk are of no use here; a blank line ends the reply.
        const int next = readLine(bytes, from, &complete);
        if (!complete)
            return next;
        if (m_line.isEmpty())
            m_state = State::Done;
        m_line.clear();
        return next;
    }
    }
    return bytes.size();
}

int HttpReplyReader::readLine(const QByteArray &bytes, int from, bool *complete)
{
    const int end = bytes.indexOf('\n', from);
    const int count = (end >= 0 ? end : bytes.size()) - from;
    m_line.append(bytes.constData() + from, count);
    if (m_line.size() > MaxLineBytes) {
        fail(text("The reply's chunks are malformed."));
        *complete = false;
        return bytes.size();
    }
    *complete = end >= 0;
    if (*complete)
        m_line = withoutLineEnd(m_line);
    return from + count + (end >= 0 ? 1 : 0);
}

void HttpReplyReader::fail(const QString &text)
{
    m_state = State::Failed;
    m_errorString = text;
    m_header.clear();
    m_line.clear();
}
