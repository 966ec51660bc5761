#pragma once
// The light pictures: 52 lamp designs, each as a lit "on" picture and an unlit "off" twin.

class ResourceWriter;

namespace lamps {

const int kCount = 52;

void drawLights(ResourceWriter &out);

} // namespace lamps
