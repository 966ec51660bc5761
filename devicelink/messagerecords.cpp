#include "devicelink/messagerecords.h"

#include <type_traits>

static_assert(sizeof(universalSwitchMessage) == 11 * 4, "eleven 32-bit integers");
static_assert(sizeof(messageRecord) == 6 * 4 + 3 * 256, "six integers and three 256-byte texts");
static_assert(std::is_trivially_copyable<universalSwitchMessage>::value, "copied by value");
static_assert(std::is_trivially_copyable<messageRecord>::value, "copied by value");

void registerMessageRecordTypes()
{
    qRegisterMetaType<universalSwitchMessage>("universalSwitchMessage");
    qRegisterMetaType<messageRecord>("messageRecord");
}
