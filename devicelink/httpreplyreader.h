#pragma once
// Reads an HTTP/1.x reply as its bytes come off the connection: the status line and header, then the body, framed
// by Content-Length, sent in chunks, or running to the end of the connection. Holds no more of the body than the
// bytes it was just given.

#include <QByteArray>
#include <QString>

class HttpReplyReader
{
public:
    enum class State {
        Header, // the status line and header are still on their way
        Body,   // the header is in; body bytes follow
        Done,   // the whole reply has arrived
        Failed  // the bytes are no HTTP reply, or the reply was cut short; errorString() says which
    };

    // Takes the next bytes that arrived and returns the body bytes among them, with any chunk framing removed.
    // Bytes after the end of the reply are ignored; nothing is taken once the reader is done or has failed.
    QByteArray take(const QByteArray &bytes);
    // The connection has ended: a body that runs until then is complete now, any other reply was cut short.
    void connectionClosed();

    State state() const { return m_state; }
    bool headerDone() const { return m_statusCode != 0; }
    // Status and reason phrase of the final reply (interim 1xx replies are skipped); 0 and empty before.
    int statusCode() const { return m_statusCode; }
    QByteArray reasonPhrase() const { return m_reasonPhrase; }
    // The body's length as the header announced it, or -1 when it comes in chunks or until the connection ends.
    qint64 contentLength() const { return m_contentLength; }
    // Body bytes handed out so far.
    qint64 bodyReceived() const { return m_bodyReceived; }
    QString errorString() const { return m_errorString; }

private:
    enum class Framing { Length, Chunked, UntilClose };
    enum class ChunkPart { Size, Data, DataEnd, Trailer };

    int readHeader(const QByteArray &bytes, int from);
    void parseHeader(const QByteArray &header);
    int readBody(const QByteArray &bytes, int from, QByteArray *body);
    int readChunked(const QByteArray &bytes, int from, QByteArray *body);
    // Gathers one line of the chunk framing; returns the position after what was used, and sets *complete when the
    // line ended there (it is then in m_line, without its line end).
    int readLine(const QByteArray &bytes, int from, bool *complete);
    void fail(const QString &text);

    State m_state = State::Header;
    Framing m_framing = Framing::UntilClose;
    ChunkPart m_chunkPart = ChunkPart::Size;
    QByteArray m_header; // header bytes gathered so far
    QByteArray m_line;   // a line of the chunk framing gathered so far
    int m_statusCode = 0;
    QByteArray m_reasonPhrase;
    qint64 m_contentLength = -1;
    qint64 m_remaining = 0; // of the body (Length) or of the current chunk (Chunked)
    qint64 m_bodyReceived = 0;
    QString m_errorString;
};
