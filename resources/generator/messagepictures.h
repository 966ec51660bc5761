#pragma once
// The guest-request pictures of the wall panels' messages (service calls and alarms).

class ResourceWriter;

namespace messagepictures {

const int kCount = 11;

void drawMessages(ResourceWriter &out);

} // namespace messagepictures
