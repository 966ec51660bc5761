#include "devicelink/messagerecords.h"

#include <type_traits>

static_assert(sizeof(universalSwitchMessage) == 11 * 4, "eleven 32-bit integers");
static_assert(std::is_trivially_copyable<universalSwitchMessage>::value, "copied by value");

void registerMessageRecordTypes()
{
    qRegisterMetaType<universalSwitchMessage>("universalSwitchMessage");
    qRegisterMetaType<messageRecord>("messageRecord");
}
