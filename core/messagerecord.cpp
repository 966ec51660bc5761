#include "core/messagerecord.h"

#include <QByteArray>

#include <cstring>
#include <type_traits>

static_assert(sizeof(messageRecord) == 6 * 4 + 3 * 256, "six integers and three 256-byte texts");
static_assert(std::is_trivially_copyable<messageRecord>::value, "copied by value");

void copyRecordText(char *field, int size, const QString &text)
{
    if (!field || size <= 0)
        return;
    std::memset(field, 0, size_t(size));
    const QByteArray utf8 = text.toUtf8();
    int length = qMin(utf8.size(), size - 1);
    // Step back over continuation bytes (10xxxxxx) so that the cut falls on the start of a character.
    if (length < utf8.size()) {
        while (length > 0 && (quint8(utf8[length]) & 0xC0) == 0x80)
            --length;
    }
    std::memcpy(field, utf8.constData(), size_t(length));
}

void terminateRecordTexts(messageRecord &record)
{
    for (char *field : {record.message_log_remark, record.recv_time, record.deal_time}) {
        constexpr int size = int(sizeof(record.recv_time));
        copyRecordText(field, size, QString::fromUtf8(field, int(qstrnlen(field, size))));
    }
}
