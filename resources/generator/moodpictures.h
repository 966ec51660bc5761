#pragma once
// The mood pictures: 23 scenes (sleep, reading, movie, dinner ...), each an emblem on an atmosphere of its own,
// saved as JPEG.

class ResourceWriter;

namespace moodpictures {

const int kCount = 23;
const int kWidth = 300;
const int kHeight = 160;

void drawMoods(ResourceWriter &out);

} // namespace moodpictures
