#pragma once
// The room pictures: 52 hotel interiors (bedrooms, suites, offices, meeting rooms, bathrooms, dining rooms and
// lobbies) in a simple one-point perspective, saved as JPEG.

class ResourceWriter;

namespace roompictures {

const int kCount = 52;
const int kWidth = 300;
const int kHeight = 160;

void drawRooms(ResourceWriter &out);

} // namespace roompictures
